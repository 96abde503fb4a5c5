#include "build/CommandCombos.h"

#include "build/CompilerList.h"
#include "foundation/errors/ErrorLog.h"

namespace {

CommandComboFinder& comboFinder() {
    static CommandComboFinder finder;
    return finder;
}

CommandCombo* findCombo(const QString& commandKey) {
    return comboFinder() ? comboFinder()(commandKey) : nullptr;
}

}

void SetCommandComboFinder(CommandComboFinder finder) {
    comboFinder() = std::move(finder);
}

void PopulateCboCompilers() {
    CommandCombo* combo = findCombo(QStringLiteral("cboCompilers"));
    if (!combo)
        return;
    combo->Clear();
    for (const CompilerPtr& compiler : gCompilers.NewEnum())
        combo->AddItem(compiler->Name, compiler->Name);
}

void PopulateCboCommandLine(const QStringList& commandLines) {
    try {
        CommandCombo* combo = findCombo(QStringLiteral("cboCommandLine"));
        if (!combo)
            return;
        combo->Clear();
        for (const QString& line : commandLines)
            combo->AddItem(line, line);
    } catch (...) {
        SetErrorLog(QStringLiteral("PopulateCboCommandLine"), QStringLiteral("Mod_Main"));
    }
}
