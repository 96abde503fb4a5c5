#include "shell/frmAbout.h"
#include "shell/frmGotoLine.h"

#include "editor/EditorFixture.h"
#include "editor/SciWrappers.h"
#include "platform/ShellOpen.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

class GotoLineTest : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        QByteArray text;
        for (int line = 1; line < 120; ++line)
            text += "Print " + QByteArray::number(line) + "\r\n";
        doc = openDocument(text);
        SciGotoPos(SciPositionFromLine(5) + 2);
    }
    void TearDown() override {
        doc.reset();
        EditorTest::TearDown();
    }
    // Types the number and presses the dialog's "&Goto Line".
    frmGotoLine& enter(const QString& number) {
        frmGotoLine& form = GotoLineForm();
        form.show();
        form.txtLine->setText(number);
        form.cmdOK->click();
        return form;
    }

    std::unique_ptr<frmDoc> doc;
};

}

TEST_F(GotoLineTest, TheRangeNamesTheDocumentsLines) {
    frmGotoLine& form = GotoLineForm();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("GoTo Line"));
    EXPECT_EQ(form.cmdOK->text(), QStringLiteral("&Goto Line"));
    EXPECT_TRUE(form.cmdOK->isDefault());
    EXPECT_EQ(form.cmdCancel->text(), QStringLiteral("&Cancel"));
    form.show();
    EXPECT_EQ(form.lblRange->text(), QStringLiteral("Enter Line Number: ( 1 - 120 )"));
    form.hide();
}

TEST_F(GotoLineTest, ALineOfTheDocumentTakesTheCaretAndHidesTheDialog) {
    const frmGotoLine& form = enter(QStringLiteral("120"));
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(SciGetCurrentPos(), SciPositionFromLine(119));
}

TEST_F(GotoLineTest, NumbersOutsideTheDocumentLeaveTheDialogOpenAndTheCaretWhereItWas) {
    const long caret = SciGetCurrentPos();
    for (const char* number : {"121", "0", "", "00000000000000000000", "12345678901234567890"}) {
        const frmGotoLine& form = enter(QString::fromLatin1(number));
        EXPECT_TRUE(form.isVisible()) << number;
        EXPECT_EQ(SciGetCurrentPos(), caret) << number;
    }
    GotoLineForm().hide();
}

TEST_F(GotoLineTest, OnlyDigitsCanBeTypedAndReopeningSelectsTheLastNumber) {
    frmGotoLine& form = enter(QStringLiteral("7"));
    EXPECT_EQ(SciGetCurrentPos(), SciPositionFromLine(6));
    form.txtLine->selectAll();
    form.txtLine->insert(QStringLiteral("x"));
    EXPECT_EQ(form.txtLine->text(), QStringLiteral("7"));
    form.show();
    EXPECT_EQ(form.txtLine->text(), QStringLiteral("7"));
    EXPECT_EQ(form.txtLine->selectedText(), QStringLiteral("7"));
    form.cmdCancel->click();
    EXPECT_FALSE(form.isVisible());
}

TEST_F(GotoLineTest, TheCommandAsksThroughThePromptSeam) {
    ShowGotoLine();
    ASSERT_EQ(prompts.size(), 1);
    EXPECT_EQ(prompts[0].kind, platform::PromptKind::ModalForm);
    EXPECT_EQ(prompts[0].title, QStringLiteral("GoTo Line"));
}

TEST(AboutTest, ShowsTheTitleTheVersionAndOpensTheHomePage) {
    frmAbout form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("About Korvo"));
    EXPECT_EQ(form.lblVersion->text(), QStringLiteral("Version : 0.1.0")) << "the version CMakeLists.txt declares";
    EXPECT_TRUE(form.lblDisclaimer->text().contains(QStringLiteral("Scintilla")));
    EXPECT_EQ(form.cmdOK->text(), QStringLiteral("Close"));
    QStringList opened;
    platform::setShellHandler([&](const platform::ShellRequest& request) {
        opened.append(request.file);
        return int(platform::ShellSuccess);
    });
    form.LabelHomePage_Click();
    platform::setShellHandler({});
    EXPECT_EQ(opened, QStringList{QStringLiteral("https://korvo.example.org/")});
}
