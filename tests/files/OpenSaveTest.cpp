#include "files/DocumentFilesFixture.h"

#include "build/ActiveCompiler.h"
#include "editor/ActiveDocument.h"
#include "editor/SciWrappers.h"
#include "files/OpenDocuments.h"
#include "files/Project.h"
#include "files/SaveDocuments.h"
#include "platform/scintilla/SciDirectCalls.h"
#include "vocabulary/Markers.h"
#include "vocabulary/SettingsValues.h"
#include "support/Corpus.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QPointer>

#include <csignal>
#include <sys/resource.h>

namespace {

// 31 lines, fold headers on lines 5 and 26, no final line end.
QByteArray program() {
    QList<QByteArray> lines;
    for (int i = 0; i < 31; ++i)
        lines << ("; line " + QByteArray::number(i));
    lines[5] = "Function a()";
    lines[6] = "End Function";
    lines[26] = "Function b()";
    lines[27] = "End Function";
    return lines.join("\r\n");
}

const QByteArray kBlock = "\r\n;~Korvo Editor Parameters:\r\n;~F#5#1A\r\n;~B#0#3\r\n;~C#BlitzCC";

QList<long> marked(int marker, bool collapsedOnly) {
    QList<long> lines;
    for (long line = long(SciMarkerNext(0, markerMask(marker))); line >= 0;
         line = long(SciMarkerNext(line + 1, markerMask(marker))))
        if (!collapsedOnly || !SciGetFoldExpanded(line))
            lines << line;
    return lines;
}

using OpenSaveTest = DocumentFilesTest;

}

TEST_F(OpenSaveTest, FoldsBookmarksAndCompilerMakeTheRoundTripByteForByte) {
    frmDoc* doc = open(QStringLiteral("a.bb"), program());
    ASSERT_TRUE(doc);
    SciToggleFold(5);
    SciToggleFold(26);
    SciMarkerAdd(0, MARKER_BOOKMARK);
    SciMarkerAdd(3, MARKER_BOOKMARK);
    gActiveProject->Compiler = QStringLiteral("BlitzCC");
    ASSERT_TRUE(SaveDocument(doc));
    EXPECT_EQ(readAll(homeFile("a.bb")), program() + kBlock);

    close(doc);
    gActiveCompiler.reset();
    ASSERT_TRUE(OpenFile(homeFile("a.bb")));
    doc = gActiveDoc;
    EXPECT_EQ(SciGetAllText(doc->SciEdi_WndData), program());
    EXPECT_EQ(marked(MARKER_FOLDSTART, true), (QList<long>{5, 26}));
    EXPECT_EQ(marked(MARKER_BOOKMARK, false), (QList<long>{0, 3}));
    EXPECT_EQ(gActiveCompiler->Name, "BlitzCC");
    EXPECT_FALSE(doc->Dirty());
    ASSERT_TRUE(SaveDocument(doc));
    EXPECT_EQ(readAll(homeFile("a.bb")), program() + kBlock);
    close(doc);

    QByteArray unknown = program() + kBlock;
    unknown.replace("BlitzCC", "Gone");
    doc = open(QStringLiteral("b.bb"), unknown);
    ASSERT_TRUE(doc);
    EXPECT_EQ(gActiveCompiler->Name, "Blitz");
    ASSERT_TRUE(SaveDocument(doc));
    EXPECT_EQ(readAll(homeFile("b.bb")), unknown);
    EXPECT_TRUE(prompts.isEmpty());
}

TEST_F(OpenSaveTest, LineEndsAreKeptByTheParameterBlock) {
    QByteArray lf = program();
    lf.replace("\r\n", "\n");
    lf += '\n';
    frmDoc* doc = open(QStringLiteral("lf.bb"), lf);
    ASSERT_TRUE(doc);
    ASSERT_TRUE(SaveDocument(doc));
    const QByteArray saved = lf + "\n;~Korvo Editor Parameters:\n;~C#Blitz";
    EXPECT_EQ(readAll(homeFile("lf.bb")), saved);
    close(doc);

    // Re-saved unchanged, a file with its block keeps its bytes.
    ASSERT_TRUE(OpenFile(homeFile("lf.bb")));
    doc = gActiveDoc;
    EXPECT_EQ(SciGetAllText(doc->SciEdi_WndData), lf);
    SciMarkerAdd(3, MARKER_BOOKMARK);
    ASSERT_TRUE(SaveDocument(doc));
    const QByteArray marked = lf + "\n;~Korvo Editor Parameters:\n;~B#3\n;~C#Blitz";
    EXPECT_EQ(readAll(homeFile("lf.bb")), marked);
    close(doc);
    ASSERT_TRUE(OpenFile(homeFile("lf.bb")));
    ASSERT_TRUE(SaveDocument(gActiveDoc));
    EXPECT_EQ(readAll(homeFile("lf.bb")), marked);
    close(gActiveDoc);

    doc = open(QStringLiteral("crlf.bb"), program() + "\r\n");
    ASSERT_TRUE(doc);
    ASSERT_TRUE(SaveDocument(doc));
    EXPECT_EQ(readAll(homeFile("crlf.bb")), program() + "\r\n\r\n;~Korvo Editor Parameters:\r\n;~C#Blitz");
}

TEST_F(OpenSaveTest, EverySampleReSavedUnchangedKeepsItsLineEnds) {
    const QDir corpus(QStringLiteral(KORVO_CORPUS_DIR "/samples"));
    KORVO_NEED_CORPUS(corpus.exists(), "no corpus");
    int files = 0;
    QDirIterator it(corpus.path(), {QStringLiteral("*.bb")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QByteArray original = readAll(it.next());
        SCOPED_TRACE(it.filePath().toStdString());
        frmDoc* doc = open(QStringLiteral("sample.bb"), original);
        ASSERT_TRUE(doc);
        ASSERT_TRUE(SaveDocument(doc));
        const QByteArray saved = readAll(homeFile("sample.bb"));
        close(doc);
        ASSERT_TRUE(saved.startsWith(original));
        const QByteArray lf = QByteArray(original).replace("\r\n", "");
        if (original.contains('\n') && !lf.contains('\n')) {
            EXPECT_FALSE(saved.mid(original.size()).replace("\r\n", "").contains('\n'));
        }
        if (!original.contains('\r') && original.contains('\n')) {
            EXPECT_FALSE(saved.contains('\r'));
        }

        // Saved again unchanged, the file with its block keeps its bytes.
        ASSERT_TRUE(OpenFile(homeFile("sample.bb")));
        ASSERT_TRUE(SaveDocument(gActiveDoc));
        EXPECT_EQ(readAll(homeFile("sample.bb")), saved);
        close(gActiveDoc);
        ++files;
    }
    EXPECT_GT(files, 100);
}

TEST_F(OpenSaveTest, WithoutFoldsBookmarksOrCompilerLineTheFileIsItsText) {
    SaveCompilerCommandLine = 0;
    frmDoc* doc = open(QStringLiteral("a.bb"), program());
    ASSERT_TRUE(doc);
    ASSERT_TRUE(SaveDocument(doc));
    EXPECT_EQ(readAll(homeFile("a.bb")), program());
}

// The parse styles the whole text; unless Scintilla is told to ask again, the
// first paint skips the pass that colours the visible names.
TEST_F(OpenSaveTest, AnOpenedFileLeavesItsStylingToTheFirstPaint) {
    frmDoc* doc = open(QStringLiteral("a.bb"), program());
    ASSERT_TRUE(doc);
    EXPECT_LE(doc->Sci->SendScintilla(QsciScintillaBase::SCI_GETENDSTYLED), 1);
    EXPECT_FALSE(SciCanUndo());
}

TEST_F(OpenSaveTest, NumberedBackupsRotateAndAnUnchangedDocumentGetsNone) {
    gBackupEnabled = 1;
    gBackupBakIncrement = 2;
    SaveCompilerCommandLine = 0;
    frmDoc* doc = open(QStringLiteral("main.bb"), "v0");
    ASSERT_TRUE(doc);
    for (const char* version : {"v1", "v2", "v3"}) {
        SciLoadText(doc->SciEdi_WndData, version);
        doc->setDirty(true);
        ASSERT_TRUE(SaveDocument(doc));
    }
    EXPECT_EQ(readAll(homeFile("main.bb")), "v3");
    EXPECT_EQ(readAll(homeFile("main.bb.bak1")), "v2");
    EXPECT_EQ(readAll(homeFile("main.bb.bak2")), "v1");
    EXPECT_FALSE(QFile::exists(homeFile("main.bb.bak3")));

    ASSERT_TRUE(SaveDocument(doc));
    EXPECT_EQ(readAll(homeFile("main.bb.bak1")), "v2");
}

TEST_F(OpenSaveTest, AFailedSaveKeepsTheOldBytesAndTheChangedMark) {
    frmDoc* doc = open(QStringLiteral("a.bb"), "old");
    ASSERT_TRUE(doc);
    SciLoadText(doc->SciEdi_WndData, QByteArray(64 * 1024, 'x'));
    doc->setDirty(true);

    // The write runs into a file size limit halfway.
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 16 * 1024;
    setrlimit(RLIMIT_FSIZE, &small);
    const bool saved1 = SaveDocument(doc);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(saved1);
    EXPECT_EQ(readAll(homeFile("a.bb")), "old");
    EXPECT_TRUE(doc->Dirty());
    EXPECT_EQ(QDir(home()).entryList(QDir::Files), QStringList{"a.bb"});
    ASSERT_EQ(prompts.size(), 1);
    EXPECT_EQ(prompts[0].text, "Could not save " + homeFile("a.bb") +
                                   "\r\nThe file may be in use by another process or disk is write protected");
    EXPECT_EQ(prompts[0].icon, platform::vbCritical);
    EXPECT_EQ(prompts[0].title, "Document could not be saved !");
}

TEST_F(OpenSaveTest, ReopeningAChangedDocumentAsksBeforeItReloads) {
    frmDoc* doc = open(QStringLiteral("a.bb"), "; disk");
    ASSERT_TRUE(doc);
    SciLoadText(doc->SciEdi_WndData, "; edited");
    doc->setDirty(true);

    scriptButton(platform::vbNo);
    EXPECT_FALSE(OpenFile(homeFile("a.bb")));
    ASSERT_EQ(prompts.size(), 1);
    EXPECT_EQ(prompts[0].text, "File a.bb is already open and has changed.\r\n"
                               "Do you want to reload this file and lose any changes ?");
    EXPECT_EQ(prompts[0].buttons, platform::vbYesNo);
    EXPECT_EQ(prompts[0].icon, platform::vbExclamation);
    EXPECT_EQ(prompts[0].defaultButton, 1);
    EXPECT_EQ(prompts[0].title, "Warning");
    EXPECT_EQ(host.windows.size(), 1);

    scriptButton(platform::vbYes);
    EXPECT_TRUE(OpenFile(homeFile("a.bb")));
    ASSERT_EQ(host.windows.size(), 1);
    EXPECT_EQ(SciGetAllText(gActiveDoc->SciEdi_WndData), "; disk");
    EXPECT_EQ(gProjects.Count(), 1);

    // Unchanged: only activated.
    EXPECT_FALSE(OpenFile(homeFile("a.bb")));
    EXPECT_EQ(prompts.size(), 2);
}

TEST_F(OpenSaveTest, AFileChangedByAnotherProgramIsNotOverwrittenWithoutAsking) {
    const QString path = homeFile("ext.bb");
    frmDoc* doc = open(QStringLiteral("ext.bb"), "Print 1\r\n");
    ASSERT_TRUE(doc);
    writeAll(path, "Print 1\r\nPrint 2\r\n");
    SciLoadText(doc->SciEdi_WndData, "Print 1\r\n; typed\r\n");
    doc->setDirty(true);

    // Nobody answers: nothing is written.
    EXPECT_FALSE(SaveDocument(doc));
    EXPECT_EQ(readAll(path), "Print 1\r\nPrint 2\r\n");
    EXPECT_TRUE(doc->Dirty());
    ASSERT_EQ(prompts.size(), 1);
    EXPECT_TRUE(prompts[0].text.startsWith("The file " + path + " has been changed by another program"));
    EXPECT_EQ(prompts[0].buttons, platform::vbYesNoCancel);
    EXPECT_EQ(prompts[0].defaultButton, 2);

    scriptButton(platform::vbYes);
    EXPECT_TRUE(SaveDocument(doc));
    EXPECT_TRUE(readAll(path).startsWith("Print 1\r\n; typed\r\n\r\n;~Korvo"));
    // Korvo's own write is no change by another program.
    SciLoadText(doc->SciEdi_WndData, "Print 3\r\n");
    doc->setDirty(true);
    EXPECT_TRUE(SaveDocument(doc));
    EXPECT_EQ(prompts.size(), 2);

    // Same size, later time: still a change. Answering No reloads the disk's text.
    writeAll(path, "Print 4\r\n");
    QFile touched(path);
    ASSERT_TRUE(touched.open(QIODevice::ReadWrite));
    ASSERT_TRUE(touched.setFileTime(QDateTime::currentDateTimeUtc().addSecs(60), QFileDevice::FileModificationTime));
    touched.close();
    SciLoadText(doc->SciEdi_WndData, "Print 5\r\n");
    doc->setDirty(true);
    scriptButton(platform::vbNo);
    EXPECT_FALSE(SaveDocument(doc));
    EXPECT_EQ(prompts.size(), 3);
    QPointer<frmDoc> replaced(doc);
    QDeadlineTimer deadline(30000);
    while (replaced && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    ASSERT_FALSE(replaced);
    ASSERT_TRUE(gActiveDoc);
    EXPECT_EQ(gActiveDoc->FullFilename, path);
    EXPECT_EQ(SciGetAllText(gActiveDoc->SciEdi_WndData), "Print 4\r\n");
    EXPECT_FALSE(gActiveDoc->Dirty());
    EXPECT_EQ(host.windows.size(), 1);
    EXPECT_EQ(readAll(path), "Print 4\r\n");
}

TEST_F(OpenSaveTest, AnotherLetterCaseOfAnOpenPathIsRefused) {
    ASSERT_TRUE(open(QStringLiteral("a.bb"), "; a"));
    writeAll(homeFile("A.bb"), "; A");
    EXPECT_FALSE(OpenFile(homeFile("A.bb")));
    ASSERT_EQ(prompts.size(), 1);
    EXPECT_EQ(prompts[0].text, "File " + homeFile("A.bb") + " cannot be opened while " + homeFile("a.bb") + " is open.");
    EXPECT_EQ(prompts[0].icon, platform::vbExclamation);
    EXPECT_EQ(host.windows.size(), 1);
}

TEST_F(OpenSaveTest, OtherFilesGoElsewhereOrAreReported) {
    EXPECT_FALSE(OpenFile(homeFile("gone.txt")));
    ASSERT_EQ(prompts.size(), 1);
    EXPECT_EQ(prompts[0].text, "File: " + homeFile("gone.txt") + " does not exists !");
    EXPECT_FALSE(OpenFile(homeFile("gone.bb")));
    EXPECT_EQ(prompts.last().title, "File Could Not Be Loaded!");
    EXPECT_TRUE(host.windows.isEmpty());
    EXPECT_EQ(gProjects.Count(), 0);
}

// A name Korvo opens that links to a device or a folder is refused with the
// reader's reason, not handed to the desktop by its target's name.
TEST_F(OpenSaveTest, ALinkNamedForKorvoToWhatIsNoRegularFileIsReported) {
    const QStringList targets{QStringLiteral("/dev/zero"), home()};
    for (const QString& target : targets) {
        for (const QString& name : {QStringLiteral("x.kpf"), QStringLiteral("x.kws"), QStringLiteral("x.bb")}) {
            SCOPED_TRACE((name + " -> " + target).toStdString());
            QFile::remove(homeFile(name));
            ASSERT_TRUE(QFile::link(target, homeFile(name)));
            prompts.clear();
            EXPECT_FALSE(OpenFile(homeFile(name)));
            ASSERT_EQ(prompts.size(), 1);
            EXPECT_EQ(prompts[0].text, "Could not load file:\r\nNot a regular file: " + target);
        }
    }
    EXPECT_TRUE(host.windows.isEmpty());
}

TEST_F(OpenSaveTest, UntitledDocumentsAreNumberedOnAfterOthersClose) {
    gEnumerateNewFiles = 1;
    NewFile();
    NewFile();
    EXPECT_EQ(captions(), (QStringList{"New 1", "New 2"}));
    close(qobject_cast<frmDoc*>(host.windows[1].form));
    NewFile();
    EXPECT_EQ(captions(), (QStringList{"New 1", "New 3"}));
    frmDoc* untitled = qobject_cast<frmDoc*>(host.windows[0].form);
    EXPECT_TRUE(untitled->FullFilename.startsWith('{'));
    EXPECT_TRUE(gProjects.Exist_Key(untitled->FullFilename));
}

TEST_F(OpenSaveTest, SavingAnUntitledDocumentAsksForAPathAndRenamesItEverywhere) {
    NewFile();
    frmDoc* doc = qobject_cast<frmDoc*>(host.windows[0].form);
    const QString id = doc->FullFilename;
    platform::PromptAnswer answer;
    answer.text = homeFile("game");
    scriptAnswer(answer);
    ASSERT_TRUE(SaveDocument(doc));
    EXPECT_EQ(prompts[0].kind, platform::PromptKind::SaveFile);
    EXPECT_EQ(prompts[0].title, "Save File As");
    EXPECT_EQ(doc->FullFilename, homeFile("game.bb"));
    EXPECT_EQ(doc->Filename(), "game.bb");
    EXPECT_EQ(host.windows[0].key, homeFile("game.bb"));
    EXPECT_FALSE(gProjects.Exist_Key(id));
    EXPECT_TRUE(gProjects.Item(homeFile("game.bb"))->Sources.Exist_Key(homeFile("game.bb")));
    EXPECT_TRUE(QFile::exists(homeFile("game.bb")));

    // Not onto another open document.
    ASSERT_TRUE(open(QStringLiteral("other.bb"), "; o"));
    scriptAnswer(answer);
    EXPECT_FALSE(SaveDocumentAs(gActiveDoc));
    EXPECT_EQ(prompts.last().text, "This file is already opened in Korvo:\r\n" + homeFile("game.bb"));
    EXPECT_EQ(prompts.last().title, "File Not Saved !");
    EXPECT_EQ(readAll(homeFile("game.bb")).left(0), "");
}
