#include "files/DocumentFilesFixture.h"

#include "aids/HotCodeStore.h"
#include "aids/HotCodesFile.h"
#include "aids/SnippetFiles.h"
#include "aids/frmSnipEdit.h"
#include "build/ActiveCompiler.h"
#include "build/CompilerList.h"
#include "build/CompilerListFile.h"
#include "build/ExternalTool.h"
#include "build/ExternalTools.h"
#include "build/ExternalToolsFile.h"
#include "build/FrmUserlibs.h"
#include "build/KeywordRefresh.h"
#include "editor/ActiveDocument.h"
#include "editor/SciWrappers.h"
#include "files/Project.h"
#include "files/ProjectFile.h"
#include "files/SaveDocuments.h"
#include "files/Workspaces.h"
#include "foundation/errors/ErrorLogFile.h"
#include "language/keywords/KeywordFiles.h"
#include "platform/SettingsStore.h"
#include "settings/StyleFile.h"
#include "settings/StyleStore.h"
#include "vocabulary/ColorStyle.h"
#include "shell/HtmlExport.h"
#include "shell/LayoutCommands.h"
#include "shell/LayoutSlots.h"
#include "shell/frmMain.h"
#include "support/StandIn.h"
#include "vocabulary/SettingsValues.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>

#include <csignal>
#include <cstring>
#include <functional>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// More than Qt's write buffer, so that limits on both sides of it cut the
// write in the middle.
constexpr int kContent = 40 * 1024;
// A tmpfs filled to the last byte instead of a size limit.
constexpr long kFullDisk = -1;

class FailedWriteTest;

// One of Korvo's writers: prepare (in the test) gives the file it will write,
// with more than kContent new bytes waiting; write (in the child) writes it.
struct Writer {
    const char* name;
    std::function<QString(FailedWriteTest&)> prepare;
    std::function<void(FailedWriteTest&)> write;
    bool document = false;   // the document must stay changed
    bool tellsReason = true; // the message names the reason, not only the file
    bool tellsUser = true;   // the error log is the one file that tells no one
    qsizetype newSize = 2 * kContent + 64 * 1024;  // at most
    // Runs a program first, which inherits a size limit: one below newSize
    // would cut what the program prints before Korvo writes anything.
    bool runsAProgram = false;
};

void PrintTo(const Writer& writer, std::ostream* out) {
    *out << writer.name;
}

QByteArray big(char c) {
    QByteArray bytes;
    for (int i = 0; bytes.size() < kContent; ++i)
        bytes += QByteArray(70, char(c + i % 20)) + "\r\n";
    return bytes;
}

// What the stand-in compiler prints as its keyword listing.
QByteArray keywordListing() {
    return keywordFileText({QStringLiteral("Print")}, 2 * kContent);
}

QString bigText(char c) {
    return QString::fromLatin1(big(c)).remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
}

QByteArray hashOf(const QString& path) {
    QByteArray bytes;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

class FailedWriteTest : public DocumentFilesTest, public ::testing::WithParamInterface<std::tuple<Writer, long>> {
public:
    void SetUp() override {
        if (limit() == kFullDisk) {
            for (const QString& folder : {home(), configHome()})
                if (::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, "size=1m") != 0)
                    GTEST_SKIP() << "no tmpfs for a full disk: mount says " << std::strerror(errno);
                else
                    mounted_.append(folder);
        }
        DocumentFilesTest::SetUp();
        QDir().mkpath(homeFile(QStringLiteral("w")));
    }
    void TearDown() override {
        delete SnippetEditor();
        form.reset();
        if (main) {
            main.reset();
            platform::setHost(&host);
        }
        DocumentFilesTest::TearDown();
        for (const QString& folder : mounted_)
            ::umount2(QFile::encodeName(folder).constData(), MNT_DETACH);
    }

    long limit() const { return std::get<1>(GetParam()); }
    using DocumentFilesTest::homeFile;
    using DocumentFilesTest::scriptAnswer;

    frmDoc* changedDocument(const QString& name) {
        frmDoc* doc = open(name, big('a'));
        SciInsertText(0, "changed ");
        return doc;
    }

    frmDoc* document = nullptr;
    std::unique_ptr<frmMain> main;
    std::unique_ptr<QWidget> form;
    std::unique_ptr<StandInInstallation> installation;

    // The main window loaded as at start, without the help window.
    void loadMainWindow() {
        GetOptions();
        GetEditOptions();
        gOpenBrowserAtStartup = 0;
        main = std::make_unique<frmMain>();
        main->Form_Load();
    }

    // Fills every mounted folder to its last byte.
    void fillDisks() {
        for (const QString& folder : mounted_) {
            QFile filler(folder + QStringLiteral("/filler"));
            ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
            const QByteArray block(4096, 'f');
            while (filler.write(block) > 0) {
            }
            for (char byte = 'f'; filler.write(&byte, 1) == 1;) {
            }
        }
    }

    // What the child saw: the titles and texts of the prompts that tell of
    // trouble, and whether the document stayed changed.
    QString runInChild(const Writer& writer) {
        int report[2];
        EXPECT_EQ(::pipe(report), 0);
        const pid_t child = ::fork();
        if (child == 0) {
            ::close(report[0]);
            std::signal(SIGXFSZ, SIG_IGN);
            if (limit() != kFullDisk) {
                const rlimit small{rlim_t(limit()), rlim_t(limit())};
                ::setrlimit(RLIMIT_FSIZE, &small);
            }
            writer.write(*this);
            QString seen = document && document->Dirty() ? QStringLiteral("changed\n") : QStringLiteral("saved\n");
            for (const platform::PromptRequest& prompt : prompts)
                if (prompt.icon == platform::vbCritical || prompt.icon == platform::vbExclamation ||
                    prompt.kind == platform::PromptKind::ModalForm)
                    seen += prompt.title + QLatin1Char('|') + QString(prompt.text).replace(QLatin1Char('\n'), QLatin1Char(' ')) +
                            QLatin1Char('\n');
            const QByteArray bytes = seen.toUtf8();
            [[maybe_unused]] const ssize_t sent = ::write(report[1], bytes.constData(), size_t(bytes.size()));
            ::_exit(0);
        }
        ::close(report[1]);
        QByteArray seen;
        char buffer[4096];
        for (ssize_t got; (got = ::read(report[0], buffer, sizeof buffer)) > 0;)
            seen.append(buffer, got);
        ::close(report[0]);
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status)) << "the child ended by signal " << WTERMSIG(status);
        return QString::fromUtf8(seen);
    }

private:
    QStringList mounted_;
};

const std::vector<Writer>& writers() {
    static const std::vector<Writer> rows = {
        {"Document",
         [](FailedWriteTest& t) {
             t.document = t.changedDocument(QStringLiteral("w/a.bb"));
             return t.homeFile(QStringLiteral("w/a.bb"));
         },
         [](FailedWriteTest& t) { SaveDocument(t.document); }, true, false},
        {"SaveAs",
         [](FailedWriteTest& t) {
             writeAll(t.homeFile(QStringLiteral("w/b.bb")), big('b'));
             t.document = t.changedDocument(QStringLiteral("w/a.bb"));
             return t.homeFile(QStringLiteral("w/b.bb"));
         },
         [](FailedWriteTest& t) {
             platform::PromptAnswer chosen;
             chosen.text = t.homeFile(QStringLiteral("w/b.bb"));
             t.scriptAnswer(chosen);
             SaveDocumentAs(t.document);
         },
         true, false},
        {"Backup",
         [](FailedWriteTest& t) {
             t.document = t.changedDocument(QStringLiteral("w/a.bb"));
             gBackupEnabled = 1;
             return t.homeFile(QStringLiteral("w/a.bb"));
         },
         [](FailedWriteTest& t) { SaveDocument(t.document); }, true},
        {"Project",
         [](FailedWriteTest& t) {
             writeAll(t.homeFile(QStringLiteral("w/p.kpf")), big('p'));
             return t.homeFile(QStringLiteral("w/p.kpf"));
         },
         [](FailedWriteTest& t) {
             ClsProject project;
             project.FullPath = t.homeFile(QStringLiteral("w/p.kpf"));
             project.CommandLine = bigText('c');
             SaveProject(project);
         }},
        {"Workspace",
         [](FailedWriteTest& t) {
             writeAll(t.homeFile(QStringLiteral("w/w.kws")), big('w'));
             for (int i = 0; i < 20; ++i) {
                 auto project = std::make_shared<ClsProject>();
                 project->FullPath = t.homeFile(QString(2000, QLatin1Char('x')) + QString::number(i) + QStringLiteral(".kpf"));
                 gProjects.Add(project, project->FullPath);
             }
             return t.homeFile(QStringLiteral("w/w.kws"));
         },
         [](FailedWriteTest& t) { SaveWorkSpace(t.homeFile(QStringLiteral("w/w.kws"))); }},
        {"Settings",
         [](FailedWriteTest&) {
             platform::SaveSetting(QStringLiteral("Test"), QStringLiteral("Old"), bigText('o'));
             return platform::settingsFilePath();
         },
         [](FailedWriteTest&) { platform::SaveSetting(QStringLiteral("Test"), QStringLiteral("New"), bigText('s')); }},
        {"HotCodes",
         [](FailedWriteTest&) {
             QDir().mkpath(QFileInfo(HotCodesPath()).path());
             writeAll(HotCodesPath(), big('h'));
             AddHotCode(QStringLiteral("big"), bigText('t'));
             return HotCodesPath();
         },
         [](FailedWriteTest&) { SaveHotcodesTo(HotCodesPath()); }},
        {"ExternalTools",
         [](FailedWriteTest&) {
             QDir().mkpath(QFileInfo(ExternalToolsFilePath()).path());
             writeAll(ExternalToolsFilePath(), big('e'));
             auto tool = std::make_shared<clsExTool>();
             tool->Caption = QStringLiteral("Tool");
             tool->Parameters = bigText('x');
             gExternalTools.Add(tool, tool->Caption);
             return ExternalToolsFilePath();
         },
         [](FailedWriteTest&) { SaveExternalTools(); }},
        {"CompilerList",
         [](FailedWriteTest&) {
             QDir().mkpath(QFileInfo(CompilerListPath()).path());
             writeAll(CompilerListPath(), big('l'));
             gCompilers.Item(QStringLiteral("Blitz"))->HelpPath = bigText('y');
             return CompilerListPath();
         },
         [](FailedWriteTest&) { SaveCompilerList(gCompilers); }},
        {"Style",
         [](FailedWriteTest&) {
             QDir().mkpath(QFileInfo(StylePath(QStringLiteral("Big"))).path());
             writeAll(StylePath(QStringLiteral("Big")), big('y'));
             return StylePath(QStringLiteral("Big"));
         },
         [](FailedWriteTest&) { SaveStyleTo(StylePath(QStringLiteral("Big")), QStringLiteral("big")); }, false, true, true,
         FormatStyle(gColorStyle, QStringLiteral("big")).size()},
        {"Layout",
         [](FailedWriteTest& t) {
             t.loadMainWindow();
             QDir().mkpath(QFileInfo(LayoutFilePath(1)).path());
             writeAll(LayoutFilePath(1), big('g'));
             return LayoutFilePath(1);
         },
         [](FailedWriteTest&) { SaveAsLayout(1); }},
        {"Snippet",
         [](FailedWriteTest&) {
             const QString path = SnippetFile(QStringLiteral("Snippets"), QStringLiteral("big"));
             QDir().mkpath(SnippetsFolder());
             writeAll(path, big('n'));
             frmSnipEdit* editor = ShowSnippetEditor();
             editor->StartEdit(QStringLiteral("Snippets"), QStringLiteral("big"));
             editor->rtfCode->setPlainText(bigText('m'));
             return path;
         },
         [](FailedWriteTest&) { SnippetEditor()->cmdSave_Click(); }},
        {"KeywordFile",
         [](FailedWriteTest& t) {
             t.installation = std::make_unique<StandInInstallation>();
             writeAll(t.installation->path() + QStringLiteral("/listing.txt"), keywordListing());
             QDir().mkpath(QFileInfo(KeywordFilePath(QStringLiteral("Blitz"))).path());
             writeAll(KeywordFilePath(QStringLiteral("Blitz")), big('k'));
             return KeywordFilePath(QStringLiteral("Blitz"));
         },
         [](FailedWriteTest& t) {
             qputenv("BLITZCC_KEYWORDS", QFile::encodeName(t.installation->path() + QStringLiteral("/listing.txt")));
             RefreshDefinitions(QStringLiteral("Blitz"), t.installation->path());
         },
         false, true, true, keywordListing().size(), true},
        {"UserLibrary",
         [](FailedWriteTest& t) {
             const CompilerPtr blitz = gCompilers.Item(QStringLiteral("Blitz"));
             blitz->Path = t.homeFile(QStringLiteral("blitz"));
             gActiveCompiler = blitz;
             QDir().mkpath(blitz->Path + QStringLiteral("/userlibs"));
             const QString path = blitz->Path + QStringLiteral("/userlibs/big.decls");
             writeAll(path, big('u'));
             t.form = std::make_unique<FrmUserlibs>();
             t.form->show();
             QCoreApplication::processEvents();
             t.form->findChild<QPlainTextEdit*>(QStringLiteral("Rtb"))->setPlainText(bigText('v'));
             return path;
         },
         [](FailedWriteTest& t) { t.form->findChild<QPushButton*>(QStringLiteral("cmdSave"))->click(); }},
        {"HtmlExport",
         [](FailedWriteTest& t) {
             writeAll(t.homeFile(QStringLiteral("w/a.html")), big('x'));
             t.changedDocument(QStringLiteral("w/a.bb"));
             return t.homeFile(QStringLiteral("w/a.html"));
         },
         [](FailedWriteTest& t) {
             platform::PromptAnswer chosen;
             chosen.text = t.homeFile(QStringLiteral("w/a.html"));
             t.scriptAnswer(chosen);
             ExportToHTML();
         }},
        {"ErrorLog",
         [](FailedWriteTest&) {
             writeAll(errorLogPath(), big('r'));
             return errorLogPath();
         },
         [](FailedWriteTest&) { WriteErrorLog(big('z')); }, false, false, false},
    };
    return rows;
}

QStringList entriesOf(const QString& path) {
    return QDir(QFileInfo(path).path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

}

// Each writer on a disk that really fails: a file-size limit below, at and
// above Qt's buffer, or a full tmpfs. What the disk refuses leaves the old
// bytes, no temporary file and a message; what it takes is written whole.
TEST_P(FailedWriteTest, ARefusedWriteKeepsTheOldBytesAndSaysSo) {
    const Writer& writer = std::get<0>(GetParam());
    if (writer.runsAProgram && limit() != kFullDisk && limit() < writer.newSize)
        GTEST_SKIP() << writer.name << " runs a program first, whose output the size limit would cut";
    const QString target = writer.prepare(*this);
    const QByteArray before = hashOf(target);
    fillDisks();
    const QStringList entriesBefore = entriesOf(target);
    const bool fits = limit() != kFullDisk && limit() >= writer.newSize;
    const QStringList seen = runInChild(writer).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_FALSE(seen.isEmpty());

    const QRegularExpression temporary(QLatin1Char('^') + QRegularExpression::escape(QFileInfo(target).fileName()) +
                                       QStringLiteral("\\.[A-Za-z0-9]{6}$"));
    for (const QString& entry : entriesOf(target))
        EXPECT_FALSE(temporary.match(entry).hasMatch()) << "temporary file left: " << entry.toStdString();
    if (fits) {
        EXPECT_NE(hashOf(target), before);
        EXPECT_EQ(seen.size(), 1) << seen.join(QLatin1Char('\n')).toStdString();
        if (writer.document) {
            EXPECT_EQ(seen[0], QStringLiteral("saved"));
        }
        return;
    }
    EXPECT_EQ(hashOf(target), before);
    EXPECT_EQ(entriesOf(target), entriesBefore);
    if (writer.document) {
        EXPECT_EQ(seen[0], QStringLiteral("changed"));
    }
    if (!writer.tellsUser)
        return;
    ASSERT_EQ(seen.size(), 2) << seen.join(QLatin1Char('\n')).toStdString();
    const QString told = seen[1];
    const QString reason = QString::fromLocal8Bit(std::strerror(limit() == kFullDisk ? ENOSPC : EFBIG));
    EXPECT_TRUE(told.contains(writer.document ? document->FullFilename : target))
        << told.toStdString();
    if (writer.tellsReason) {
        EXPECT_TRUE(told.contains(reason)) << told.toStdString();
    } else {
        EXPECT_TRUE(told.startsWith(QStringLiteral("Document could not be saved !|Could not save "))) << told.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(EveryWriter, FailedWriteTest,
                         ::testing::Combine(::testing::ValuesIn(writers()),
                                            ::testing::Values(0L, 1L, 2048L, 16383L, 16385L, 1L << 20, kFullDisk)),
                         [](const ::testing::TestParamInfo<std::tuple<Writer, long>>& info) {
                             const long limit = std::get<1>(info.param);
                             return std::string(std::get<0>(info.param).name) +
                                    (limit == kFullDisk ? std::string("OnAFullDisk") : "Under" + std::to_string(limit));
                         });
