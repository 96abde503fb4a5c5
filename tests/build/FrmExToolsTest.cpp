#include "build/ExternalTools.h"
#include "build/FrmExTools.h"
#include "support/FakeHost.h"
#include "support/TestEnvironment.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

namespace {

class FrmExToolsTest : public KorvoTest {
protected:
    void SetUp() override {
        KorvoTest::SetUp();
        QDir(home()).mkpath(QStringLiteral("conf"));
    }

    void addTool(const QString& caption, const QString& path = QString(), const QString& parameters = QString()) {
        gExternalTools.Add(std::make_shared<clsExTool>(clsExTool{caption, path, parameters, 0}), caption);
    }
    void answerText(const QString& text) {
        platform::PromptAnswer answer;
        answer.text = text;
        scriptAnswer(answer);
    }
    template <typename W>
    W* widget(FrmExTools& form, const char* name) {
        W* found = form.findChild<W*>(QLatin1String(name));
        EXPECT_TRUE(found) << name;
        return found;
    }
    void click(FrmExTools& form, const char* name) { widget<QPushButton>(form, name)->click(); }
    QStringList listed(FrmExTools& form) {
        QStringList all;
        auto* list = widget<QListWidget>(form, "lvExTools");
        for (int row = 0; row < list->count(); ++row)
            all.append(list->item(row)->text());
        return all;
    }
    QString file() const { return homeFile(QStringLiteral("conf/ExTools.dat")); }

    FakeHost host;
    HostList menu{host, "MRUExternalTools"};
};

}

TEST_F(FrmExToolsTest, OpensOnTheFirstToolAndEditsItInPlace) {
    addTool("Edit", "/usr/bin", "gedit");
    addTool("Make", "/usr/bin", "make");
    FrmExTools form;
    EXPECT_EQ(form.windowTitle(), " Setup External Tools");
    EXPECT_EQ(listed(form), QStringList({"Edit", "Make"}));
    auto* parameters = widget<QLineEdit>(form, "txtToolParameters");
    EXPECT_EQ(parameters->text(), "gedit");
    parameters->setFocus();
    parameters->selectAll();
    parameters->insert(QStringLiteral("kate"));
    widget<QCheckBox>(form, "chkAskForConfirmation")->click();
    EXPECT_EQ(gExternalTools.Item(QStringLiteral("Edit"))->Parameters, "kate");
    EXPECT_EQ(gExternalTools.Item(QStringLiteral("Edit"))->AskForConfirmation, 1);
    widget<QListWidget>(form, "lvExTools")->setCurrentRow(1);
    EXPECT_EQ(parameters->text(), "make");
}

TEST_F(FrmExToolsTest, AddRefusesAThirtyThirdToolAndATakenName) {
    for (int i = 1; i <= 31; ++i)
        addTool(QStringLiteral("Tool %1").arg(i));
    FrmExTools form;
    answerText("tool 1");
    click(form, "cmdAdd");
    ASSERT_EQ(prompts.size(), 2);
    EXPECT_EQ(prompts[0].kind, platform::PromptKind::InputBox);
    EXPECT_EQ(prompts[0].title, "New tool");
    EXPECT_EQ(prompts[0].text, "Enter name for the new tool:");
    EXPECT_EQ(prompts[1].title, "Invalid name");
    EXPECT_EQ(prompts[1].text, "A Tool with this name already exists");

    answerText("Last");
    click(form, "cmdAdd");
    EXPECT_EQ(gExternalTools.Count(), 32);
    EXPECT_EQ(gExternalTools.Item(32)->AskForConfirmation, 1);
    EXPECT_TRUE(widget<QCheckBox>(form, "chkAskForConfirmation")->isChecked());
    EXPECT_EQ(widget<QListWidget>(form, "lvExTools")->currentItem()->text(), "Last");

    click(form, "cmdAdd");
    ASSERT_EQ(prompts.size(), 4);
    EXPECT_EQ(prompts[3].kind, platform::PromptKind::MessageBox);
    EXPECT_EQ(prompts[3].text, "You can't have more than 32 tools defined!");
    EXPECT_EQ(prompts[3].icon, platform::vbExclamation);
}

TEST_F(FrmExToolsTest, ARenamedToolMovesLastAndOkSavesThatOrder) {
    addTool("Edit", "/usr/bin", "gedit");
    addTool("Make", "/usr/bin", "make");
    FrmExTools form;
    answerText("edit");
    click(form, "cmdRename");
    EXPECT_EQ(prompts[0].title, "Rename tool");
    EXPECT_EQ(prompts[0].defaultText, "Edit");
    EXPECT_EQ(prompts.last().text, "A Tool with this name already exists");

    answerText("Editor");
    click(form, "cmdRename");
    EXPECT_EQ(listed(form), QStringList({"Make", "Editor"}));
    EXPECT_EQ(widget<QLineEdit>(form, "txtToolParameters")->text(), "gedit");
    click(form, "cmdOK");
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(menu.captions(), QStringList({"Make", "Editor"}));
    EXPECT_TRUE(readAll(file()).endsWith("Editor\r\n/usr/bin\r\ngedit\r\n 0 \r\n"));
}

TEST_F(FrmExToolsTest, CancelAndTheCloseBoxKeepOnlyWhatWasApplied) {
    addTool("Edit", "/usr/bin", "gedit");
    {
        FrmExTools form;
        answerText("Applied");
        click(form, "cmdAdd");
        click(form, "cmdApply");
        answerText("Dropped");
        click(form, "cmdAdd");
        click(form, "cmdCancel");
    }
    EXPECT_EQ(gExternalTools.Count(), 2);
    EXPECT_TRUE(gExternalTools.Exist_Key(QStringLiteral("Applied")));

    FrmExTools form;
    form.show();
    click(form, "cmdRemove");
    form.close();
    EXPECT_EQ(gExternalTools.Count(), 2);
    EXPECT_EQ(menu.captions(), QStringList({"Edit", "Applied"}));
}

TEST_F(FrmExToolsTest, RemovingTheLastToolEmptiesAndLocksTheFields) {
    addTool("Edit", "/usr/bin", "gedit");
    FrmExTools form;
    widget<QCheckBox>(form, "chkAskForConfirmation")->click();
    click(form, "cmdRemove");
    EXPECT_EQ(gExternalTools.Count(), 0);
    for (const char* name : {"txtToolPath", "txtToolParameters"}) {
        EXPECT_TRUE(widget<QLineEdit>(form, name)->text().isEmpty());
        EXPECT_FALSE(widget<QLineEdit>(form, name)->isEnabled());
    }
    EXPECT_FALSE(widget<QToolButton>(form, "cmdBrowse")->isEnabled());
    EXPECT_FALSE(widget<QCheckBox>(form, "chkAskForConfirmation")->isChecked());
    widget<QCheckBox>(form, "chkAskForConfirmation")->click();

    answerText("New");
    click(form, "cmdAdd");
    EXPECT_TRUE(widget<QLineEdit>(form, "txtToolPath")->isEnabled());
}

TEST_F(FrmExToolsTest, TheSeamMayAnswerForTheDialog) {
    addTool("Edit", "/usr/bin", "gedit");
    ShowExToolsDialog(nullptr);
    ASSERT_EQ(prompts.size(), 1);
    EXPECT_EQ(prompts[0].kind, platform::PromptKind::ModalForm);
    EXPECT_EQ(prompts[0].title, " Setup External Tools");
    EXPECT_FALSE(QFileInfo::exists(file()));

    scriptButton(ExToolsFormOK);
    ShowExToolsDialog(nullptr);
    EXPECT_EQ(menu.captions(), QStringList({"Edit"}));
    EXPECT_TRUE(QFileInfo::exists(file()));
}
