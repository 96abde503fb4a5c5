#include "build/ActiveCompiler.h"
#include "build/Compile.h"
#include "build/BuildRun.h"
#include "build/BuildState.h"
#include "build/CompilerList.h"
#include "build/frmCompiling.h"
#include "build/frmOutput.h"
#include "editor/ActiveDocument.h"
#include "editor/SciWrappers.h"
#include "files/DocumentFilesFixture.h"
#include "files/OpenDocuments.h"
#include "files/Project.h"
#include "platform/DetachedStart.h"
#include "platform/SettingsStore.h"
#include "vocabulary/SettingsValues.h"

#include "support/StandIn.h"

#include <QDir>
#include <QFile>

namespace {

struct ShownBox {
    QString title;
    QString text;
    sptr_t selectionStart = -1;
    sptr_t selectionEnd = -1;
};

class CompileTest : public DocumentFilesTest {
protected:
    void SetUp() override {
        DocumentFilesTest::SetUp();
        for (const CompilerPtr& compiler : gCompilers.NewEnum())
            compiler->Path = installation.path();
        OutputWindow().Clear();
        gLastCreatedExe.clear();
        gOnCompileSave = 1;
        platform::setPromptHandler([this](const platform::PromptRequest& request) {
            if (request.kind == platform::PromptKind::SaveFile) {
                proposals << request.defaultText;
                platform::PromptAnswer chosen;
                chosen.accepted = !executable.isEmpty();
                chosen.text = executable;
                return chosen;
            }
            boxes.append({request.title, request.text, SciGetSelectionStart(), SciGetSelectionEnd()});
            return platform::defaultAnswer(request);
        });
    }
    void TearDown() override {
        CloseCompiling();
        DocumentFilesTest::TearDown();
    }

    frmDoc* openActive(const QString& name, const QByteArray& bytes) {
        QDir(home()).mkpath(QFileInfo(homeFile(name)).path());
        frmDoc* doc = open(name, bytes);
        gActiveCompiler = gCompilers.Item(QStringLiteral("Blitz"));
        return doc;
    }
    bool finished(frmDoc* doc) { return waitUntil([doc] { return !doc->ShellClass->Running(); }); }
    QStringList loggedArguments() const { return ::loggedArguments(log()); }
    QString log() const { return logDir.path() + QStringLiteral("/stand-in.log"); }
    QStringList outputLines() const { return OutputWindow().text().split(QLatin1Char('\n'), Qt::SkipEmptyParts); }

    StandInInstallation installation;
    QTemporaryDir logDir;
    QString executable;
    QStringList proposals;
    QList<ShownBox> boxes;
};

QByteArray twelveLines(const QByteArray& last) {
    return QByteArray("Print 1\n").repeated(11) + last + "\n";
}

}

TEST_F(CompileTest, TheCompilerGetsItsArgumentsExactly) {
    const ScopedVariable logged("BLITZCC_LOG", log().toUtf8());
    frmDoc* doc = openActive(QStringLiteral("a  b/game.bb"), "Print 1\n");
    gActiveProject->CommandLine = QStringLiteral("one  two");
    const QString file = homeFile(QStringLiteral("a  b/game.bb"));

    Compile(doc->FullFilename, true);
    ASSERT_TRUE(finished(doc));
    EXPECT_EQ(loggedArguments(), (QStringList{"-d", file, "one", "two"}));
    EXPECT_TRUE(QString::fromUtf8(readAll(log())).contains(QStringLiteral("BLITZPATH=") + installation.path()));
    EXPECT_EQ(gLastCompiledFile, file);

    QFile::remove(log());
    CheckForErrors(doc->FullFilename);
    ASSERT_TRUE(finished(doc));
    EXPECT_EQ(loggedArguments(), (QStringList{"-c", file}));

    QFile::remove(log());
    executable = homeFile(QStringLiteral("a  b/game.exe"));
    CreateExe(doc->FullFilename);
    ASSERT_TRUE(finished(doc));
    EXPECT_EQ(proposals, QStringList{executable});
    EXPECT_EQ(loggedArguments(), (QStringList{"-o", executable, file}));
    EXPECT_EQ(gLastCreatedExe, executable);
    EXPECT_EQ(platform::GetSetting(QStringLiteral("Options"), QStringLiteral("gLastCreatedExe")), executable);
}

TEST_F(CompileTest, AProjectCompilesItsMainFile) {
    const ScopedVariable logged("BLITZCC_LOG", log().toUtf8());
    frmDoc* doc = openActive(QStringLiteral("p/other.bb"), "Print 2\n");
    QDir(home()).mkpath(QStringLiteral("p/src"));
    writeAll(homeFile(QStringLiteral("p/src/main.bb")), "Print 1\n");
    gActiveProject->SingleFile = false;
    gActiveProject->Path = homeFile(QStringLiteral("p/"));

    Compile(doc->FullFilename, false);
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0].title, QStringLiteral("Operation aborted"));
    EXPECT_EQ(boxes[0].text, QStringLiteral("Please Set the 'Main File' for this project first..."));
    EXPECT_FALSE(doc->ShellClass->Running());
    EXPECT_FALSE(QFile::exists(log()));

    auto main = std::make_shared<clsFile>();
    main->Name = QStringLiteral("main.bb");
    main->AbsPath = QStringLiteral("\\src\\main.bb");
    DodajFileSorted(main, *gActiveProject);
    gActiveProject->MainFile = main->Name;
    Compile(doc->FullFilename, false);
    ASSERT_TRUE(finished(doc));
    EXPECT_EQ(loggedArguments(), QStringList{homeFile(QStringLiteral("p/src/main.bb"))});
}

TEST_F(CompileTest, ACompileErrorIsShownAtItsPosition) {
    frmDoc* doc = openActive(QStringLiteral("f.bb"), twelveLines("    ;!error Expecting ')'"));
    const QString file = homeFile(QStringLiteral("f.bb"));

    Compile(doc->FullFilename, false);
    ASSERT_TRUE(finished(doc));
    EXPECT_EQ(outputLines(), (QStringList{"BlitzCC V1.99 (stand-in)", "(C)opyright nobody: a stand-in for Korvo's tests",
                                          "Compiling \"" + file + "\"", "Parsing...",
                                          "Compile Error In Line: 12, Column: 5 -->  Expecting ')'"}));
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0].title, QStringLiteral("Blitz Compiling Error"));
    EXPECT_EQ(boxes[0].text, "Expecting ')'\r\n\r\nFile: " + file + "\r\n\r\nLine: 12, Column: 5 ");
    const sptr_t lineStart = SciPositionFromLine(11);
    EXPECT_EQ(boxes[0].selectionStart, lineStart);
    EXPECT_EQ(boxes[0].selectionEnd, lineStart + 4);
    EXPECT_EQ(SciGetCurrentPos(), lineStart + 4);
    EXPECT_EQ(SciGetSelectionStart(), SciGetSelectionEnd());
    EXPECT_FALSE(CompilingShown());
}

TEST_F(CompileTest, AnErrorAtColumnOneSelectsTheWholeLine) {
    frmDoc* doc = openActive(QStringLiteral("f.bb"), twelveLines(";!error Bad"));
    CheckForErrors(doc->FullFilename);
    ASSERT_TRUE(finished(doc));
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0].selectionStart, SciPositionFromLine(11));
    EXPECT_EQ(boxes[0].selectionEnd, SciPositionFromLine(12));
    EXPECT_EQ(SciGetCurrentPos(), SciPositionFromLine(11));
}

TEST_F(CompileTest, OnlyErrorLinesAfterProgressTakeTheErrorRoad) {
    frmDoc* doc = openActive(QStringLiteral("f.bb"), twelveLines("Print 2"));
    const QString error = "\"" + doc->FullFilename + "\":12:5:12:5:Expecting ')'";
    BuildRun::of(*doc);
    ShowCompiling(QStringLiteral("Compiling program..."));
    platform::StdShell& shell = *doc->ShellClass;
    emit shell.ConsoleOutput(QStringLiteral("BlitzCC V1"));
    emit shell.ConsoleOutput(error);
    EXPECT_EQ(CompilingProgress(), 21);
    emit shell.ConsoleOutput(QStringLiteral("Compiling \"f\""));
    emit shell.ConsoleOutput(QString());
    emit shell.ConsoleOutput(QStringLiteral("Score: 10"));
    emit shell.ConsoleOutput(QStringLiteral("Compiler version: 1:2:3:4:5"));
    emit shell.ConsoleError(QStringLiteral("ld: cannot find -lbb"));
    EXPECT_EQ(CompilingProgress(), 63);
    EXPECT_TRUE(boxes.isEmpty());
    EXPECT_EQ(outputLines(), (QStringList{"BlitzCC V1", error, "Compiling \"f\"", "Score: 10",
                                          "Compiler version: 1:2:3:4:5", "ld: cannot find -lbb"}));
    EXPECT_EQ(readAll(homeFile(QStringLiteral("error.log"))), "");
}

TEST_F(CompileTest, ErrorPositionsBeyondTheDocumentAreClamped) {
    frmDoc* doc = openActive(QStringLiteral("f.bb"), "Print 1\nPrint 2");
    BuildRun::of(*doc).begin(doc->FullFilename, QString());
    emit doc->ShellClass->ConsoleOutput(QStringLiteral("Parsing..."));  // the run's first step
    emit doc->ShellClass->ConsoleOutput("\"f.bb\":40:99:40:99:Beyond");
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(SciGetCurrentPos(), SciGetLength());
}

TEST_F(CompileTest, AnErrorLineCountsByTheRunsProgressNotByItsWindow) {
    frmDoc* doc = openActive(QStringLiteral("f.bb"), "Print 1\nPrint 2");
    ShowCompiling(QStringLiteral("Compiling program..."));
    BuildRun::of(*doc).begin(doc->FullFilename, QString());
    emit doc->ShellClass->ConsoleOutput(QStringLiteral("Parsing..."));
    CloseCompiling();  // as the user's close does
    emit doc->ShellClass->ConsoleOutput("\"f.bb\":2:1:2:1:Oops");
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(SciGetCurrentPos(), SciPositionFromLine(1));
}

TEST_F(CompileTest, AnErrorInAProjectFileThatIsNotOpenOpensIt) {
    writeAll(homeFile(QStringLiteral("other.bb")), "Print 1\nPrint 2\n");
    frmDoc* doc = openActive(QStringLiteral("main.bb"), "Print 3\n");
    BuildRun::of(*doc).begin(doc->FullFilename, QString());
    emit doc->ShellClass->ConsoleOutput(QStringLiteral("Parsing..."));  // the run's first step
    emit doc->ShellClass->ConsoleOutput("\"" + homeFile(QStringLiteral("other.bb")) + "\":2:3:2:3:Oops");
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(gActiveDoc->FullFilename, homeFile(QStringLiteral("other.bb")));
    EXPECT_EQ(SciGetCurrentPos(), SciPositionFromLine(1) + 2);
}

TEST_F(CompileTest, AFailedExecutableIsNotRecordedAndABusyDocumentIsLeftAlone) {
    frmDoc* doc = openActive(QStringLiteral("x.bb"), "Print 1\n");
    executable = homeFile(QStringLiteral("x.exe"));
    {
        const ScopedVariable failing("BLITZCC_EXIT", "255");
        CreateExe(doc->FullFilename);
        ASSERT_TRUE(finished(doc));
    }
    EXPECT_EQ(gLastCreatedExe, QString());

    const ScopedVariable slow("BLITZCC_SLEEP_MS", "1500");
    Compile(doc->FullFilename, false);
    ASSERT_TRUE(waitUntil([] { return OutputWindow().text().contains(QStringLiteral("(C)")); }));
    const QString shown = OutputWindow().text();
    Compile(doc->FullFilename, true);
    EXPECT_EQ(OutputWindow().text(), shown);
    EXPECT_EQ(CompilingProgress(), 0);
    ASSERT_TRUE(finished(doc));
}

TEST_F(CompileTest, ACompilerThatCannotStartIsReported) {
    frmDoc* doc = openActive(QStringLiteral("x.bb"), "Print 1\n");
    QTemporaryDir broken;
    QDir(broken.path()).mkpath(QStringLiteral("bin"));
    writeAll(broken.path() + QStringLiteral("/bin/blitzcc"), "not a program");
    gActiveCompiler->Path = broken.path();
    Compile(doc->FullFilename, false);
    ASSERT_TRUE(finished(doc));
    EXPECT_FALSE(CompilingShown());
    EXPECT_FALSE(OutputWindow().text().isEmpty());
}

TEST_F(CompileTest, ARealConsoleCompilerRunsInATerminal) {
    QTemporaryDir tools;
    writeAll(tools.path() + QStringLiteral("/x-terminal-emulator"), "#!/bin/sh\n");
    QFile::setPermissions(tools.path() + QStringLiteral("/x-terminal-emulator"), QFileDevice::ExeOwner | QFileDevice::ReadOwner);
    const ScopedVariable path("PATH", tools.path().toUtf8());
    QList<platform::ChildProcess> started;
    platform::setDetachedStartHandler([&](const platform::ChildProcess& command) {
        started << command;
        return true;
    });
    frmDoc* doc = openActive(QStringLiteral("x.bb"), "Print 1\n");
    gActiveCompiler->RealConsole = true;
    OutputWindow().AddText(QStringLiteral("last run"));
    Compile(doc->FullFilename, false);
    platform::setDetachedStartHandler({});
    ASSERT_EQ(started.size(), 1);
    EXPECT_EQ(started[0].program, tools.path() + QStringLiteral("/x-terminal-emulator"));
    EXPECT_EQ(started[0].arguments, (QStringList{"-e", installation.compiler(), doc->FullFilename}));
    EXPECT_EQ(started[0].variables.value(QStringLiteral("BLITZPATH")), installation.path());
    EXPECT_EQ(OutputWindow().text(), QString());
    EXPECT_FALSE(CompilingShown());
    EXPECT_FALSE(doc->ShellClass->Running());
}

TEST_F(CompileTest, AnUntitledDocumentCompilesFromTheTemporarySource) {
    const ScopedVariable logged("BLITZCC_LOG", log().toUtf8());
    NewFile();
    frmDoc* doc = qobject_cast<frmDoc*>(host.windows[0].form);
    ActivateDocument(doc);
    gActiveCompiler = gCompilers.Item(QStringLiteral("Blitz"));
    SciInsertText(0, SciTextArg("Print 1\n ;!error Odd"));
    const QString temporary = homeFile(QStringLiteral("Temp/New.bb"));

    CheckForErrors(doc->FullFilename);
    ASSERT_TRUE(finished(doc));
    EXPECT_EQ(loggedArguments(), (QStringList{"-c", temporary}));
    EXPECT_EQ(readAll(temporary), "Print 1\n ;!error Odd");
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(gActiveDoc.data(), doc);
    EXPECT_EQ(SciGetCurrentPos(), SciPositionFromLine(1) + 1);
    EXPECT_TRUE(doc->NewFile);

    BuildRun::of(*doc);
    emit doc->ShellClass->ConsoleOutput(QStringLiteral("Parsing..."));  // the run's first step
    emit doc->ShellClass->ConsoleOutput("\"/elsewhere/a.bb\":1:1:1:1:Not ours");
    EXPECT_EQ(boxes.size(), 1);
    EXPECT_TRUE(OutputWindow().text().endsWith(QStringLiteral("\"/elsewhere/a.bb\":1:1:1:1:Not ours\n")));
}
