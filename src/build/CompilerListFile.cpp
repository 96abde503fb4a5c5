#include "build/CompilerListFile.h"

#include "foundation/errors/LogNewError.h"
#include "foundation/FileHelpers.h"
#include "foundation/SequentialValues.h"
#include "platform/AnsiText.h"
#include "platform/KorvoError.h"
#include "platform/ProgramFolder.h"

namespace {

constexpr int kFormatNumber = 1;

QString refusal(const QString& name) {
    return QStringLiteral("Invalid compiler name: \"") + name + QLatin1Char('"');
}

}

QString CompilerListPath() {
    return FixDoubleBackslash(platform::programSubfolder(QStringLiteral("conf")) + QStringLiteral("/compilers.dat"));
}

bool IsValidCompilerName(const QString& name) {
    return !name.isEmpty() && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'));
}

QByteArray FormatCompilerList(const CompilerList& compilers) {
    SequentialWriter out;
    out.writeInteger(kFormatNumber);
    out.writeInteger(compilers.Count());
    for (const CompilerPtr& compiler : compilers.NewEnum()) {
        out.writeString(compiler->Name);
        out.writeString(compiler->Path);
        out.writeString(compiler->HelpPath);
        out.writeBoolean(compiler->RealConsole);
    }
    return out.bytes();
}

void ReadCompilerList(const QByteArray& bytes, CompilerList& compilers) {
    SequentialReader in(bytes);
    in.readInteger();
    const int count = in.readInteger();
    for (int k = 0; k < count; ++k) {
        auto compiler = std::make_shared<ClsCompiler>();
        compiler->Name = in.readString();
        compiler->Path = in.readString();
        compiler->HelpPath = in.readString();
        compiler->RealConsole = in.readBoolean();
        if (!IsValidCompilerName(compiler->Name)) {
            LogNewError(ErrInvalidProcedureCall, refusal(compiler->Name), QStringLiteral("LoadCompilers"), QStringLiteral("Mod_Main"));
            continue;
        }
        compilers.Add(compiler, compiler->Name);
        if (compilers.LastError)
            RaiseError(ErrKeyAlreadyAssociated, QStringLiteral("Compiler listed twice: ") + compiler->Name);
    }
}

void SaveCompilerList(const CompilerList& compilers) {
    for (const CompilerPtr& compiler : compilers.NewEnum())
        if (!IsValidCompilerName(compiler->Name))
            RaiseError(ErrInvalidProcedureCall, refusal(compiler->Name));
    if (!platform::writeFileBytesAtomically(CompilerListPath(), FormatCompilerList(compilers)))
        RaiseError(ErrPathFileAccess, QStringLiteral("Path/File access error: ") + CompilerListPath());
}
