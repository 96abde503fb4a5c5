#include "build/ActiveCompiler.h"

#include "build/CompilerList.h"
#include "files/ProjectCompiler.h"
#include "foundation/errors/ErrorLog.h"
#include "platform/KorvoError.h"

CompilerPtr gActiveCompiler;

namespace {

bool activate(const QString& name) {
    CompilerPtr compiler = gCompilers.Item(name);
    if (!compiler)
        RaiseError(ErrInvalidProcedureCall, QStringLiteral("No compiler named ") + name);
    gActiveCompiler = compiler;
    return compiler->SetDefaultKeywords();
}

}

void SetActiveCompiler(const QString& CompilerName) {
    if (gActiveCompiler && gActiveCompiler->Name == CompilerName)
        return;
    try {
        if (!gCompilers.Exist_Key(CompilerName)) {
            activate(DefaultCompiler);
            return;
        }
        if (!activate(CompilerName) && gActiveCompiler->Name != DefaultCompiler)
            activate(DefaultCompiler);
    } catch (...) {
        SetErrorLog(QStringLiteral("SetActiveCompiler"), QStringLiteral("Mod_Main"));
    }
}

QString DefaultCompilerName() {
    return DefaultCompiler;
}

// Headless, with no compiler list loaded, the keywords in use stay.
void ActivateCompiler(const QString& name) {
    if (gCompilers.Count() > 0)
        SetActiveCompiler(name);
}
