#include "build/CompilerList.h"

#include "foundation/errors/ErrorLog.h"
#include "foundation/errors/LogNewError.h"
#include "platform/AnsiText.h"
#include "platform/KorvoError.h"
#include "platform/Prompt.h"
#include "platform/SettingsStore.h"

#include <QFileInfo>

CompilerList gCompilers;
QString DefaultCompiler;

namespace {

void readCompilers(const QString& path) {
    QByteArray bytes;
    const std::optional<ListFileFault> fault =
        platform::readFileBytes(path, bytes)
            ? ReadCompilerList(bytes, gCompilers)
            : ListFileFault{0, platform::fileReadFailure(path)};
    if (fault)
        ReportDamagedListFile(path, fault->line, fault->reason);
    else
        ForgetDamagedListFile(path);
}

// The stored default when it is listed, else the first compiler.
void chooseDefaultCompiler() {
    DefaultCompiler = platform::GetSetting(QStringLiteral("Options"), QStringLiteral("DefaultCompiler"));
    const bool stored = !DefaultCompiler.isEmpty();
    if (stored && gCompilers.Exist_Key(DefaultCompiler)) {
        // Spelled as the compiler is, since activation compares names exactly.
        DefaultCompiler = gCompilers.Item(DefaultCompiler)->Name;
        return;
    }
    if (gCompilers.Count() > 0)
        DefaultCompiler = gCompilers.Item(1)->Name;
    else if (!stored)
        LogNewError(ErrInvalidProcedureCall, QStringLiteral("No compiler is listed"), QStringLiteral("LoadCompilers"), QStringLiteral("Mod_Main"));
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
