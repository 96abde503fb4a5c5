#include "build/ActiveCompiler.h"
#include "build/CompilerList.h"
#include "build/FrmUserlibs.h"
#include "foundation/errors/ErrorLogFile.h"
#include "support/StandIn.h"
#include "support/TestEnvironment.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace {

class FrmUserlibsTest : public KorvoTest {
protected:
    void SetUp() override {
        KorvoTest::SetUp();
        QDir(home()).mkpath(QStringLiteral("conf"));
        compiler = std::make_shared<ClsCompiler>();
        compiler->Name = QStringLiteral("Stand-in");
        compiler->Path = installation.path();
        gCompilers.RemoveAll();
        gCompilers.Add(compiler, compiler->Name);
        gActiveCompiler = compiler;
    }
    void TearDown() override {
        gActiveCompiler.reset();
        gCompilers.RemoveAll();
        KorvoTest::TearDown();
    }

    QString lib(const QString& name) const { return installation.path() + QStringLiteral("/userlibs/") + name; }
    QStringList files() const { return QDir(installation.path() + QStringLiteral("/userlibs")).entryList(QDir::Files, QDir::Name); }

    // Shown as exec() would show it, and activated.
    std::unique_ptr<FrmUserlibs> openForm() {
        auto form = std::make_unique<FrmUserlibs>();
        form->show();
        QCoreApplication::processEvents();
        return form;
    }
    QTreeWidget* list(FrmUserlibs& form) { return form.findChild<QTreeWidget*>(QStringLiteral("lvUserLibs")); }
    QPlainTextEdit* editor(FrmUserlibs& form) { return form.findChild<QPlainTextEdit*>(QStringLiteral("Rtb")); }
    void click(FrmUserlibs& form, const char* name) { form.findChild<QPushButton*>(QLatin1String(name))->click(); }
    void tick(FrmUserlibs& form, int row, bool ticked) {
        list(form)->topLevelItem(row)->setCheckState(0, ticked ? Qt::Checked : Qt::Unchecked);
    }
    QStringList entries(FrmUserlibs& form) {
        QStringList all;
        for (int row = 0; row < list(form)->topLevelItemCount(); ++row) {
            const QTreeWidgetItem* entry = list(form)->topLevelItem(row);
            all.append(entry->text(0) + (entry->checkState(0) == Qt::Checked ? "|ticked" : "|unticked"));
        }
        return all;
    }

    StandInInstallation installation;
    CompilerPtr compiler;
};

const QString kCloseQuestion = QStringLiteral("Changes had been made to the userlibs after the last time you refreshed "
                                              "the definitions.\r\nAre you sure you want to close this form?");

}

TEST_F(FrmUserlibsTest, TickingRenamesTheLibrarysOwnFile) {
    installation.addLibrary("b.decls.disabled", "");
    installation.addLibrary("A.DECLS", "");
    installation.addLibrary("c.txt", "");
    auto form = openForm();
    EXPECT_EQ(form->windowTitle(), "Stand-in User Libraries");
    EXPECT_EQ(form->findChild<QLabel*>(QStringLiteral("lblCompiler"))->text(), "Compiler:  Stand-in");
    EXPECT_EQ(entries(*form), QStringList({"A|ticked", "b|unticked"}));
    tick(*form, 1, true);
    tick(*form, 0, false);
    EXPECT_EQ(files(), QStringList({"A.DECLS.DISABLED", "b.decls", "c.txt"}));
    tick(*form, 0, true);
    EXPECT_EQ(files(), QStringList({"A.decls", "b.decls", "c.txt"}));
}

TEST_F(FrmUserlibsTest, SavingWritesTheSameFileByteForByte) {
    installation.addLibrary("demo.decls", ".lib \"demo.so\"\r\nDemo( a\xa0 )\r\n");
    auto form = openForm();
    EXPECT_FALSE(form->findChild<QPushButton*>(QStringLiteral("cmdSave"))->isEnabled());
    tick(*form, 0, false);
    EXPECT_EQ(files(), QStringList({"demo.decls.DISABLED"}));
    tick(*form, 0, true);
    editor(*form)->moveCursor(QTextCursor::End);
    editor(*form)->insertPlainText(QStringLiteral("Added()\n"));
    EXPECT_TRUE(form->findChild<QPushButton*>(QStringLiteral("cmdSave"))->isEnabled());
    click(*form, "cmdSave");
    EXPECT_EQ(files(), QStringList({"demo.decls"}));
    EXPECT_EQ(readAll(lib("demo.decls")), QByteArray(".lib \"demo.so\"\r\nDemo( a\xa0 )\r\nAdded()\r\n"));
    EXPECT_FALSE(form->findChild<QPushButton*>(QStringLiteral("cmdSave"))->isEnabled());
}

TEST_F(FrmUserlibsTest, ARenameThatWouldMeetAnotherFileIsRefused) {
    installation.addLibrary("x.decls.disabled", "old");
    installation.addLibrary("X.DECLS", "new");
    auto form = openForm();
    EXPECT_EQ(entries(*form), QStringList({"X|ticked", "x|unticked"}));
    tick(*form, 1, true);
    EXPECT_EQ(entries(*form), QStringList({"X|ticked", "x|unticked"}));
    EXPECT_EQ(files(), QStringList({"X.DECLS", "x.decls.disabled"}));
    EXPECT_TRUE(readAll(errorLogPath()).contains("lvUserLibs_ItemCheck"));
    EXPECT_TRUE(prompts.isEmpty());
    form->close();
    EXPECT_FALSE(form->isVisible());
}

TEST_F(FrmUserlibsTest, AFailedSaveSaysSoAndKeepsTheEdit) {
    installation.addLibrary("a.decls", "one\r\n");
    auto form = openForm();
    editor(*form)->insertPlainText(QStringLiteral("edited "));
    QFile::remove(lib("a.decls"));
    QDir().mkpath(lib("a.decls"));
    scriptButton(platform::vbYes);
    click(*form, "cmdClose");
    ASSERT_EQ(prompts.size(), 2);
    EXPECT_EQ(prompts[0].text, "Save changes to a?");
    EXPECT_EQ(prompts[1].icon, platform::vbExclamation);
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(form->findChild<QPushButton*>(QStringLiteral("cmdSave"))->isEnabled());
}

TEST_F(FrmUserlibsTest, AnotherEntryOffersToSaveTheEditFirst) {
    installation.addLibrary("a.decls", "one\r\n");
    installation.addLibrary("b.decls", "two\r\n");
    auto form = openForm();
    editor(*form)->insertPlainText(QStringLiteral("lost "));
    scriptButton(platform::vbNo);
    list(*form)->setCurrentItem(list(*form)->topLevelItem(1));
    EXPECT_EQ(prompts.last().text, "Save changes to a?");
    EXPECT_EQ(editor(*form)->toPlainText(), "two\n");
    EXPECT_EQ(readAll(lib("a.decls")), QByteArray("one\r\n"));
    click(*form, "cmdClose");
    EXPECT_FALSE(form->isVisible());
}

TEST_F(FrmUserlibsTest, AMissingOrEmptyFolderIsReported) {
    {
        auto form = openForm();
        ASSERT_EQ(prompts.size(), 1);
        EXPECT_EQ(prompts[0].text, "No userlibs found for Stand-in");
        EXPECT_TRUE(form->isVisible());
    }
    QDir(installation.path() + QStringLiteral("/userlibs")).removeRecursively();
    auto form = openForm();
    ASSERT_EQ(prompts.size(), 2);
    EXPECT_EQ(prompts[1].icon, platform::vbCritical);
    EXPECT_EQ(prompts[1].text, "Userlibs folder for this compiler: \r\n" + installation.path() + "/userlibs\r\ncan not be found ! ");
    EXPECT_FALSE(form->isVisible());
}

TEST_F(FrmUserlibsTest, RefreshingLearnsTheTickedLibrariesAndClosingAsksUntilThen) {
    installation.addLibrary("shout.decls.disabled", ".lib \"shout.so\"\r\nShout$( text$ ):\"shout\"\r\n");
    auto form = openForm();
    tick(*form, 0, true);
    scriptButton(platform::vbNo);
    click(*form, "cmdClose");
    EXPECT_EQ(prompts.last().text, kCloseQuestion);
    EXPECT_TRUE(form->isVisible());

    click(*form, "cmdRefreshDef");
    const QString keywords = homeFile(QStringLiteral("conf/Stand-in.lng"));
    EXPECT_TRUE(readAll(keywords).contains("\nShout$ ( text$ )"));
    tick(*form, 0, false);
    click(*form, "cmdRefreshDef");
    EXPECT_FALSE(readAll(keywords).contains("Shout"));
    const qsizetype asked = prompts.size();
    form->close();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(prompts.size(), asked);
}
