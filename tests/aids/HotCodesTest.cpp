#include "aids/FrmHotCodes.h"
#include "aids/FrmHotCodesEdit.h"
#include "aids/HotCodeCommands.h"
#include "aids/HotCodeStore.h"
#include "editor/EditorFixture.h"
#include "editor/SciWrappers.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

namespace {

const QString kFori = QStringLiteral("For i = 1 To 10\r\nNext");

class HotCodesTest : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        QDir(home()).mkpath(QStringLiteral("conf"));
    }
    QByteArray file() const { return readAll(homeFile(QStringLiteral("conf/hotcodes.dat"))); }
    QByteArray text() {
        gTextRange.cpMin = 0;
        gTextRange.cpMax = -1;
        SciGetTextRange(gTextRange);
        return gTextRange.lpstrText;
    }
    void applyAt(long position) {
        SciGotoPos(position);
        ApplyHotCode();
    }
    void addCodes(int count) {
        for (int i = 0; i < count; ++i)
            AddHotCode(QStringLiteral("c%1").arg(i), QStringLiteral("t"));
    }
    void answerForm(int button, const QString& text = QString()) {
        platform::PromptAnswer answer;
        answer.button = button;
        answer.text = text;
        scriptAnswer(answer);
    }
    template <typename W>
    static W* widget(QWidget& form, const char* name) {
        W* found = form.findChild<W*>(QLatin1String(name));
        EXPECT_TRUE(found) << name;
        return found;
    }
    static void click(QWidget& form, const char* name) { widget<QPushButton>(form, name)->click(); }
    static QTreeWidget* list(FrmHotCodes& form) { return widget<QTreeWidget>(form, "lvHotCodes"); }
    static void select(FrmHotCodes& form, int row) { list(form)->setCurrentItem(list(form)->topLevelItem(row)); }
    static QStringList rows(FrmHotCodes& form) {
        QStringList all;
        for (int i = 0; i < list(form)->topLevelItemCount(); ++i)
            all << list(form)->topLevelItem(i)->text(0) + QLatin1Char('|') + list(form)->topLevelItem(i)->text(1);
        return all;
    }
};

}

TEST_F(HotCodesTest, ApplyReplacesTheWordAtTheCaretByTheTextAsStored) {
    AddHotCode("fori", kFori);
    auto doc = openDocument("    FORI");
    applyAt(6);
    EXPECT_EQ(text(), "    For i = 1 To 10\r\nNext");
    const long caret = SciGetCurrentPos();
    EXPECT_EQ(SciLineFromPosition(caret), 1);
    EXPECT_EQ(SciGetColumn(caret), 4);
    EXPECT_EQ(SciGetSelectionStart(), SciGetSelectionEnd());
    SciUndo();
    EXPECT_EQ(text(), "    FORI");

    applyAt(8);
    EXPECT_EQ(text(), "    For i = 1 To 10\r\nNext");
}

TEST_F(HotCodesTest, ApplyWithoutAWordOrAHotCodeChangesNothing) {
    AddHotCode("fori", kFori);
    AddHotCode("a.b", "dotted");
    auto doc = openDocument("    FORI");
    applyAt(2);
    EXPECT_EQ(text(), "    FORI");
    EXPECT_EQ(SciGetCurrentPos(), 2);

    auto other = openDocument("a . b a.b forix");
    for (long position : {2L, 7L, 12L}) {
        applyAt(position);
        EXPECT_EQ(text(), "a . b a.b forix");
    }
}

TEST_F(HotCodesTest, HotCodeForSelectionAddsBeyondTheListsLimitAndSavesAtOnce) {
    addCodes(50);
    auto doc = openDocument("Print \"Hi\"\r\n");
    SciSetSel(0, 10);
    answerForm(HotCodesEditOk, QStringLiteral("hi"));
    HotCodeForSelection();
    ASSERT_EQ(prompts.size(), 1);
    EXPECT_EQ(prompts[0].title, " Create HotCode");
    EXPECT_EQ(prompts[0].text, "Print \"Hi\"");
    EXPECT_EQ(gHotCodeNames.Count(), 51);
    EXPECT_EQ(gHotCodeTexts.Item(QStringLiteral("HI")), "Print \"Hi\"");
    EXPECT_TRUE(file().startsWith("1\r\n51\r\n"));
    EXPECT_TRUE(file().endsWith("\"hi\"\r\n\"Print \"\"Hi\"\"\"\r\n"));

    FrmHotCodes form;
    EXPECT_EQ(rows(form).size(), 51);
    click(form, "cmdAdd");
    ASSERT_EQ(prompts.size(), 2);
    EXPECT_EQ(prompts[1].text, "Total number of HotCodes is limited to 50.");
    EXPECT_EQ(prompts[1].icon, platform::vbCritical);
    EXPECT_EQ(prompts[1].title, "Korvo");
}

TEST_F(HotCodesTest, HotCodeForSelectionCancelledAddsAndSavesNothing) {
    auto doc = openDocument("x");
    HotCodeForSelection();
    EXPECT_EQ(prompts[0].text, "");
    EXPECT_EQ(gHotCodeNames.Count(), 0);
    EXPECT_TRUE(file().isEmpty());
}

TEST_F(HotCodesTest, TheListRefusesANameAlreadyThereInAnyCase) {
    AddHotCode("fori", kFori);
    AddHotCode("nxt", "Next");
    FrmHotCodes form;
    EXPECT_EQ(form.windowTitle(), " Hot Codes");
    EXPECT_EQ(list(form)->currentItem(), nullptr);
    click(form, "cmdEdit");
    EXPECT_TRUE(prompts.isEmpty());

    select(form, 0);
    answerForm(HotCodesEditOk, QStringLiteral("Fori"));
    click(form, "cmdEdit");
    ASSERT_EQ(prompts.size(), 2);
    EXPECT_EQ(prompts[0].title, "Edit HotCode");
    EXPECT_EQ(prompts[0].defaultText, "fori");
    EXPECT_EQ(prompts[1].text, "You already have this HotCode in your HotCodes collection !");
    EXPECT_EQ(prompts[1].icon, platform::vbExclamation);
    EXPECT_EQ(gHotCodeNames.NewEnum(), QList<QString>({"fori", "nxt"}));
    EXPECT_EQ(rows(form), QStringList({"fori|" + kFori, "nxt|Next"}));
}

TEST_F(HotCodesTest, EditingMovesTheHotCodeToTheEndOfTheFileButNotOfTheList) {
    AddHotCode("fori", kFori);
    AddHotCode("nxt", "Next");
    FrmHotCodes form;
    select(form, 0);
    answerForm(-1);
    QTimer::singleShot(0, [] {
        auto* edit = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_TRUE(edit);
        EXPECT_EQ(edit->windowTitle(), "Edit HotCode");
        EXPECT_EQ(widget<QPushButton>(*edit, "cmdOk")->text(), "&Save");
        auto* code = widget<QPlainTextEdit>(*edit, "txtCode");
        EXPECT_EQ(code->toPlainText(), "For i = 1 To 10\nNext");
        code->setPlainText(QStringLiteral("For i = 1 To 5\nNext"));
        click(*edit, "cmdOk");
    });
    click(form, "cmdEdit");
    EXPECT_EQ(rows(form), QStringList({"fori|For i = 1 To 5\r\nNext", "nxt|Next"}));
    click(form, "bnClose");
    EXPECT_EQ(file(), "1\r\n2\r\n\"nxt\"\r\n\"Next\"\r\n\"fori\"\r\n\"For i = 1 To 5\r\nNext\"\r\n");

    FrmHotCodes renaming;
    select(renaming, 0);
    answerForm(HotCodesEditOk, QStringLiteral("Nx"));
    click(renaming, "cmdEdit");
    EXPECT_EQ(rows(renaming), QStringList({"Nx|Next", "fori|For i = 1 To 5\r\nNext"}));
    EXPECT_EQ(gHotCodeNames.NewEnum(), QList<QString>({"fori", "Nx"}));
}

TEST_F(HotCodesTest, TheEditDialogStaysOpenOnAnInvalidHotCode) {
    HotCodeEdit add;
    FrmHotCodesEdit form(add);
    EXPECT_EQ(form.windowTitle(), " Create HotCode");
    widget<QLineEdit>(form, "txtHotCode")->setText(QStringLiteral("  "));
    click(form, "cmdOk");
    ASSERT_EQ(prompts.size(), 1);
    EXPECT_EQ(prompts[0].text, "Invalid HotCode!");
    EXPECT_EQ(prompts[0].icon, platform::vbExclamation);
    EXPECT_EQ(form.result(), 0);
    widget<QPlainTextEdit>(form, "txtCode")->setPlainText(QStringLiteral(" "));
    click(form, "cmdOk");
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(gHotCodeTexts.Item(QStringLiteral("  ")), " ");
}

TEST_F(HotCodesTest, TheEditDialogFocusesCancelOnlyWhenEditing) {
    HotCodeEdit edit;
    for (bool editing : {true, false}) {
        edit.EditMode = editing;
        FrmHotCodesEdit form(edit);
        form.show();
        form.activateWindow();
        QApplication::processEvents();
        EXPECT_EQ(QApplication::focusWidget(), editing ? form.findChild<QWidget*>(QStringLiteral("cmdCancel"))
                                                       : form.findChild<QWidget*>(QStringLiteral("txtHotCode")));
    }
}

TEST_F(HotCodesTest, DeletingEmptiesTheStoreAndClosingAlwaysSaves) {
    AddHotCode("fori", kFori);
    AddHotCode("nxt", "Next");
    AddHotCode("w", "Wend");
    FrmHotCodes form;
    click(form, "cmdRemove");
    EXPECT_EQ(gHotCodeNames.Count(), 3);
    select(form, 1);
    click(form, "cmdRemove");
    EXPECT_EQ(rows(form), QStringList({"fori|" + kFori, "w|Wend"}));
    EXPECT_EQ(gHotCodeTexts.NewEnum(), QList<QString>({kFori, "Wend"}));

    scriptButton(platform::vbNo);
    click(form, "bnClear");
    EXPECT_EQ(gHotCodeNames.Count(), 2);
    scriptButton(platform::vbYes);
    click(form, "bnClear");
    ASSERT_EQ(prompts.size(), 2);
    EXPECT_EQ(prompts[1].title, "Confirm Delete");
    EXPECT_EQ(prompts[1].text, "Are you sure that you want to delete ALL HotCodes ?");
    EXPECT_EQ(prompts[1].buttons, platform::vbYesNo);
    EXPECT_EQ(prompts[1].icon, platform::vbExclamation);
    EXPECT_EQ(rows(form), QStringList());
    EXPECT_EQ(gHotCodeTexts.Count(), 0);
    click(form, "bnClose");
    EXPECT_EQ(file(), "1\r\n0\r\n");

    AddHotCode("fori", kFori);
    EditHotCodes();
    EXPECT_EQ(file(), "1\r\n1\r\n\"fori\"\r\n\"For i = 1 To 10\r\nNext\"\r\n");
}

TEST_F(HotCodesTest, ADamagedListFileIsNeverRewrittenShort) {
    const QString path = homeFile(QStringLiteral("conf/hotcodes.dat"));
    const QByteArray damaged = "1\r\n3\r\n\"fori\"\r\n\"x\"\r\n\"bad\r\n";
    writeAll(path, damaged);
    LoadHotCodes();
    EXPECT_EQ(gHotCodeNames.NewEnum(), QList<QString>({"fori"}));
    ASSERT_EQ(prompts.size(), 1);
    EXPECT_EQ(prompts[0].kind, platform::PromptKind::MessageBox);
    EXPECT_TRUE(prompts[0].text.startsWith("The file " + path + " did not load whole.\r\nLine 5: Unterminated string"));

    // Closing the list and a hot code from the selection each ask; No keeps the file.
    {
        FrmHotCodes form;
        click(form, "bnClose");
    }
    auto doc = openDocument("Print 1\r\n");
    SciSetSel(0, 7);
    answerForm(HotCodesEditOk, QStringLiteral("p"));
    HotCodeForSelection();
    EXPECT_EQ(file(), damaged);
    EXPECT_EQ(gHotCodeNames.Count(), 2);
    ASSERT_EQ(prompts.size(), 4);
    EXPECT_EQ(prompts[3].buttons, platform::vbYesNo);
    EXPECT_TRUE(prompts[3].text.contains(path + ".damaged"));

    // Yes keeps the damaged bytes beside the file first, and asks no more.
    scriptButton(platform::vbYes);
    SaveHotcodes();
    EXPECT_EQ(readAll(path + ".damaged"), damaged);
    EXPECT_TRUE(file().startsWith("1\r\n2\r\n\"fori\""));
    SaveHotcodes();
    EXPECT_EQ(prompts.size(), 5);
}
