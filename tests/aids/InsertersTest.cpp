#include "aids/FrmInsertColor.h"
#include "aids/FrmScancode.h"
#include "aids/InserterCommands.h"
#include "editor/ActiveDocument.h"
#include "editor/EditorFixture.h"
#include "editor/SciWrappers.h"
#include "files/Project.h"
#include "platform/SettingsStore.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

class InsertersTest : public EditorTest {
protected:
    QByteArray text() const {
        gTextRange.cpMin = 0;
        gTextRange.cpMax = -1;
        SciGetTextRange(gTextRange);
        return gTextRange.lpstrText;
    }
    static QString setting(const char* key) { return platform::GetSetting(QStringLiteral("Options"), QLatin1String(key)); }
    static void store(const char* key, const char* value) {
        platform::SaveSetting(QStringLiteral("Options"), QLatin1String(key), QLatin1String(value));
    }
    void answerColour(unsigned colour, QList<unsigned> custom = {}) {
        platform::PromptAnswer answer;
        answer.colour = colour;
        answer.customColours = custom;
        scriptAnswer(answer);
    }
    void answerForm(int choice) {
        platform::PromptAnswer answer;
        answer.button = choice;
        scriptAnswer(answer);
    }
    // The scancode and label after a key press, the dialog first reset.
    static QString press(FrmScancode& form, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, quint32 scanCode = 0) {
        form.cmdReset_Click();
        QKeyEvent event(QEvent::KeyPress, key, modifiers, scanCode, 0, 0);
        QApplication::sendEvent(&form, &event);
        return form.txtScancode->text() + QLatin1Char('|') + form.lblKey->text();
    }
    // A project whose folder is P under the program folder, opened with its document.
    void openProjectDocument(bool singleFile) {
        doc = openDocument("a = ");
        auto project = std::make_shared<ClsProject>();
        project->FullPath = homeFile(singleFile ? "P/main.bb" : "P/game.kpf");
        project->Path = homeFile("P/");
        project->SingleFile = singleFile;
        gProjects.Add(project, project->FullPath);
        doc->PrjFullPath = project->FullPath;
        ActivateDocument(doc.get());
    }
    std::unique_ptr<frmDoc> doc;
};

}

TEST_F(InsertersTest, ColourTextsPutRedFirstInBothForms) {
    EXPECT_EQ(ColourAsRgbText(0), QStringLiteral("0,0,0"));
    EXPECT_EQ(ColourAsHexText(0), QStringLiteral("$000000"));
    EXPECT_EQ(ColourAsRgbText(0xFFFFFF), QStringLiteral("255,255,255"));
    EXPECT_EQ(ColourAsHexText(0xFFFFFF), QStringLiteral("$FFFFFF"));
    EXPECT_EQ(ColourAsRgbText(0x0C0B0A), QStringLiteral("10,11,12"));
    EXPECT_EQ(ColourAsHexText(0x0C0B0A), QStringLiteral("$0A0B0C"));
}

TEST_F(InsertersTest, InsertColorAsksTheCentredChooserAndInsertsTheStoredForm) {
    InsertColor();
    EXPECT_TRUE(prompts.isEmpty());

    doc = openDocument("Color ");
    SciGotoPos(6);
    store("InsertColorType", "1");
    answerColour(0x0C0B0A, QList<unsigned>(16, 0x123456));
    answerForm(1);
    InsertColor();
    ASSERT_EQ(prompts.size(), 2);
    EXPECT_EQ(prompts[0].title, QStringLiteral("Choose Color To Insert"));
    EXPECT_TRUE(prompts[0].centred);
    EXPECT_EQ(prompts[0].customColours, QList<unsigned>(16, 0));
    EXPECT_EQ(text(), "Color $0A0B0C");
    EXPECT_EQ(gCustomColors, QList<unsigned>(16, 0x123456));
    EXPECT_EQ(setting("InsertColorType"), QStringLiteral("1"));

    scriptButton(platform::vbCancel);
    InsertColor();
    EXPECT_EQ(prompts.last().customColours, QList<unsigned>(16, 0x123456));
    EXPECT_EQ(text(), "Color $0A0B0C");
    gCustomColors = QList<unsigned>(16, 0);
}

TEST_F(InsertersTest, TheColourDialogKeepsTheFormChosenAndCopiesToTheClipboard) {
    store("InsertColorType", "7");
    doc = openDocument("");
    {
        FrmInsertColor form;
        EXPECT_TRUE(form.opInsertType[0]->isChecked());
        form.FillColors(0xFFFFFF);
        form.opInsertType[1]->setChecked(true);
        form.cmdClipboard_Click();
        EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("$FFFFFF"));
        form.opInsertType[0]->setChecked(true);
        form.cmdInsert_Click();
        EXPECT_EQ(text(), "255,255,255");
        EXPECT_EQ(setting("InsertColorType"), QStringLiteral("0"));
    }
    FrmInsertColor again;
    again.opInsertType[1]->setChecked(true);
    again.reject();
    EXPECT_EQ(setting("InsertColorType"), QStringLiteral("1"));
}

TEST_F(InsertersTest, FilePathsAreQuotedAndRelativeToTheProjectFolder) {
    EXPECT_EQ(QuotedRelativePath("/p/", "/p/gfx/ship.png"), QStringLiteral("\"./gfx/ship.png\""));
    EXPECT_EQ(QuotedRelativePath("/p/", "/p/../media/a.wav"), QStringLiteral("\"../media/a.wav\""));
    EXPECT_EQ(QuotedRelativePath("/p/", "/p/a.bb"), QStringLiteral("\"./a.bb\""));
    EXPECT_EQ(QuotedRelativePath("C:/p/", "D:/x.png"), QStringLiteral("\"D:/x.png\""));

    InsertFilePath();
    EXPECT_TRUE(prompts.isEmpty());

    openProjectDocument(false);
    SciSetSel(0, 1);
    platform::PromptAnswer chosen;
    chosen.text = homeFile("P/gfx/ship.png");
    scriptAnswer(chosen);
    InsertFilePath();
    ASSERT_EQ(prompts.size(), 1);
    EXPECT_EQ(prompts[0].title, QStringLiteral("Insert Filename with relative path..."));
    EXPECT_EQ(prompts[0].defaultText, homeFile("P/"));
    EXPECT_TRUE(prompts[0].filter.startsWith(QStringLiteral("All Files (*.*);;Images (*.bmp *.jpg")));
    EXPECT_EQ(text(), "\"./gfx/ship.png\" = ");

    scriptButton(platform::vbCancel);
    InsertFilePath();
    EXPECT_EQ(text(), "\"./gfx/ship.png\" = ");
}

TEST_F(InsertersTest, ASingleFileTakesItsOwnFolderAndInsertFilenameOnlyAnnounces) {
    openProjectDocument(true);
    gActiveProject->Path.clear();
    SciGotoPos(0);
    platform::PromptAnswer chosen;
    chosen.text = homeFile("media/a.wav");
    scriptAnswer(chosen);
    InsertFilePath();
    EXPECT_EQ(prompts.last().defaultText, homeFile("P/"));
    EXPECT_EQ(text(), "\"../media/a.wav\"a = ");

    InsertFilename();
    EXPECT_EQ(prompts.last().text, QStringLiteral("This feature is not available yet, please wait for the next release... "));
    EXPECT_EQ(text(), "\"../media/a.wav\"a = ");
}

TEST_F(InsertersTest, ScancodesFollowTheKeyAndTellRightHandKeysApart) {
    FrmScancode form;
    EXPECT_TRUE(form.waiting());
    EXPECT_EQ(form.lblKey->text(), QStringLiteral("Press a key ..."));
    EXPECT_FALSE(form.cmdCancel->isEnabled());
    EXPECT_EQ(press(form, Qt::Key_Up), QStringLiteral("200|Pressed key: Up Arrow"));
    EXPECT_FALSE(form.waiting());
    EXPECT_TRUE(form.cmdCancel->isEnabled());
    EXPECT_FALSE(form.txtScancode->isEnabled());
    EXPECT_EQ(press(form, Qt::Key_Return), QStringLiteral("28|Pressed key: Return"));
    EXPECT_EQ(press(form, Qt::Key_Enter, Qt::KeypadModifier), QStringLiteral("156|Pressed key: Numpad Enter"));
    EXPECT_EQ(press(form, Qt::Key_Shift, Qt::NoModifier, 50), QStringLiteral("42|Pressed key: Left Shift"));
    EXPECT_EQ(press(form, Qt::Key_Shift, Qt::NoModifier, 62), QStringLiteral("54|Pressed key: Right Shift"));
    EXPECT_EQ(press(form, Qt::Key_Control, Qt::NoModifier, 37), QStringLiteral("29|Pressed key: Left Control"));
    EXPECT_EQ(press(form, Qt::Key_Control, Qt::NoModifier, 105), QStringLiteral("157|Pressed key: Right Control"));
    EXPECT_EQ(press(form, Qt::Key_Alt, Qt::NoModifier, 64), QStringLiteral("56|Pressed key: Left Alt"));
    EXPECT_EQ(press(form, Qt::Key_AltGr), QStringLiteral("184|Pressed key: Right Alt"));
    EXPECT_EQ(press(form, Qt::Key_Home), QStringLiteral("199|Pressed key: Home"));
    EXPECT_EQ(press(form, Qt::Key_Home, Qt::KeypadModifier), QStringLiteral("199|Pressed key: Home"));
    EXPECT_EQ(press(form, Qt::Key_7, Qt::KeypadModifier), QStringLiteral("71|Pressed key: Numpad 7"));
    EXPECT_EQ(press(form, Qt::Key_7), QStringLiteral("8|Pressed key: 7"));
    EXPECT_EQ(press(form, Qt::Key_Minus, Qt::KeypadModifier), QStringLiteral("74|Pressed key: Numpad -"));
    EXPECT_EQ(press(form, Qt::Key_QuoteLeft), QStringLiteral("41|Pressed key: `"));
    EXPECT_EQ(press(form, Qt::Key_F13), QStringLiteral("100|Pressed key: F13"));
    EXPECT_EQ(press(form, Qt::Key_Z), QStringLiteral("44|Pressed key: Z"));
    EXPECT_EQ(press(form, Qt::Key_Tab), QStringLiteral("15|Pressed key: Tab"));
    EXPECT_EQ(press(form, Qt::Key_Escape), QStringLiteral("1|Pressed key: Escape"));
    EXPECT_EQ(form.result(), 0);
    EXPECT_EQ(press(form, Qt::Key_Clear), QStringLiteral("?|Pressed key: Unknown"));
    EXPECT_TRUE(form.waiting());
}

TEST_F(InsertersTest, InsertWritesTheChosenFormAndKeepsIt) {
    store("InsertScancodeType", "9");
    doc = openDocument("If  Then");
    SciGotoPos(3);
    {
        FrmScancode form;
        EXPECT_TRUE(form.optInsert[0]->isChecked());
        form.optInsert[2]->setChecked(true);
        press(form, Qt::Key_Up);
        form.cmdInsert->click();
        EXPECT_EQ(text(), "If KeyDown(200) Then");
        EXPECT_EQ(setting("InsertScancodeType"), QStringLiteral("2"));
    }
    FrmScancode next;
    EXPECT_TRUE(next.optInsert[2]->isChecked());
    next.optInsert[1]->setChecked(true);
    press(next, Qt::Key_Space);
    EXPECT_EQ(next.InsertText(), QStringLiteral("KeyHit(57)"));
    ActivateDocument(nullptr);
    next.cmdInsert->click();
    EXPECT_EQ(next.result(), int(QDialog::Accepted));
    ActivateDocument(doc.get());
    EXPECT_EQ(text(), "If KeyDown(200) Then");
}
