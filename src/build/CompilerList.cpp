#include "build/CompilerList.h"

#include "foundation/ErrorLog.h"
#include "platform/AnsiText.h"
#include "platform/KorvoError.h"
#include "platform/Prompt.h"
#include "platform/SettingsStore.h"

#include <QFileInfo>

CompilerList gCompilers;
QString DefaultCompiler;

namespace {

void readCompilers(const QString& path) {
    try {
        QByteArray bytes;
        if (!platform::readFileBytes(path, bytes))
            RaiseError(ErrPathFileAccess, QStringLiteral("Path/File access error: ") + path);
        ReadCompilerList(bytes, gCompilers);
    } catch (...) {
        SetErrorLog(QStringLiteral("LoadCompilers"), QStringLiteral("Mod_Main"));
    }
}

QString firstCompilerName() {
    if (gCompilers.Count() == 0)
        RaiseError(ErrInvalidProcedureCall, QStringLiteral("No compiler is listed"));
    return gCompilers.Item(1)->Name;
}

void chooseDefaultCompiler() {
    DefaultCompiler = platform::GetSetting(QStringLiteral("Options"), QStringLiteral("DefaultCompiler"));
    if (DefaultCompiler.isEmpty()) {
        try {
            DefaultCompiler = firstCompilerName();
        } catch (...) {
            SetErrorLog(QStringLiteral("LoadCompilers"), QStringLiteral("Mod_Main"));
        }
    } else if (!gCompilers.Exist_Key(DefaultCompiler) && gCompilers.Count() > 0) {
        DefaultCompiler = firstCompilerName();
    }
}

}

bool LoadCompilers() {
    const QString path = CompilerListPath();
    if (!QFileInfo(path).isFile()) {
        platform::MsgBox(QStringLiteral("File 'Compilers.dat' is missing or invalid !"), platform::vbCritical | platform::vbOKOnly);
        return false;
    }
    readCompilers(path);
    chooseDefaultCompiler();
    return true;
}
