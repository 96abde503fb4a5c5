#include "build/CompilerListFile.h"

#include "foundation/DamagedListFiles.h"
#include "foundation/errors/LogNewError.h"
#include "foundation/FileHelpers.h"
#include "foundation/SequentialValues.h"
#include "foundation/errors/WriteFailure.h"
#include "platform/AnsiText.h"
#include "platform/AtomicFileWrite.h"
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

std::optional<ListFileFault> ReadCompilerList(const QByteArray& bytes, CompilerList& compilers) {
    std::optional<ListFileFault> fault;
    SequentialReader in(bytes);
    try {
        in.readInteger();
        const int count = in.readInteger();
        for (int k = 0; k < count; ++k) {
            auto compiler = std::make_shared<ClsCompiler>();
            compiler->Name = in.readString();
            const int nameLine = in.line();
            compiler->Path = in.readString();
            compiler->HelpPath = in.readString();
            compiler->RealConsole = in.readBoolean();
            if (!IsValidCompilerName(compiler->Name)) {
                LogNewErrorQuietly(ErrInvalidProcedureCall, refusal(compiler->Name), QStringLiteral("LoadCompilers"),
                                   QStringLiteral("Mod_Main"));
                if (!fault)
                    fault = ListFileFault{nameLine, refusal(compiler->Name)};
                continue;
            }
            compilers.Add(compiler, compiler->Name);
            if (compilers.LastError) {
                const QString twice = QStringLiteral("Compiler listed twice: ") + compiler->Name;
                LogNewErrorQuietly(ErrKeyAlreadyAssociated, twice, QStringLiteral("LoadCompilers"), QStringLiteral("Mod_Main"));
                return fault ? fault : ListFileFault{nameLine, twice};
            }
        }
    } catch (const KorvoError& error) {
        LogNewErrorQuietly(error.number, error.description, QStringLiteral("LoadCompilers"), QStringLiteral("Mod_Main"));
        if (!fault)
            fault = ListFileFault{in.line(), error.description};
    }
    return fault;
}

bool SaveCompilerList(const CompilerList& compilers) {
    if (!MayReplaceListFile(CompilerListPath()))
        return true;
    for (const CompilerPtr& compiler : compilers.NewEnum())
        if (!IsValidCompilerName(compiler->Name))
            RaiseError(ErrInvalidProcedureCall, refusal(compiler->Name));
    if (platform::writeFileBytesAtomically(CompilerListPath(), FormatCompilerList(compilers)))
        return true;
    ReportWriteFailure(CompilerListPath(), QStringLiteral("SaveCompilerList"), QStringLiteral("Mod_Compiler"));
    return false;
}
