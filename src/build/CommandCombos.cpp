#include "build/CommandCombos.h"

#include "build/CompilerList.h"
#include "foundation/errors/ErrorLog.h"
#include "platform/Host.h"

namespace {

void fillCombo(const QString& commandKey, const QStringList& texts) {
    if (!platform::host().hasCommand(commandKey))
        return;
    QList<platform::CommandListItem> items;
    for (const QString& text : texts)
        items.append({text, text});
    platform::host().setCommandListItems(commandKey, items);
}

}

void PopulateCboCompilers() {
    QStringList names;
    for (const CompilerPtr& compiler : gCompilers.NewEnum())
        names.append(compiler->Name);
    fillCombo(QStringLiteral("cboCompilers"), names);
}

void PopulateCboCommandLine(const QStringList& commandLines) {
    try {
        fillCombo(QStringLiteral("cboCommandLine"), commandLines);
    } catch (...) {
        SetErrorLog(QStringLiteral("PopulateCboCommandLine"), QStringLiteral("Mod_Main"));
    }
}
