#include "settings/frmColors.h"

#include "editor/ActiveDocument.h"
#include "platform/SettingsStore.h"
#include "settings/BuiltInColorStyle.h"
#include "settings/ColourBox.h"
#include "settings/DarkStyle.h"
#include "settings/StyleFile.h"
#include "settings/StyleStore.h"
#include "support/FakeHost.h"
#include "OpenedDocument.h"
#include "support/TestEnvironment.h"
#include "platform/scintilla/SciView.h"
#include "vocabulary/SettingsValues.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>

namespace {

// Styles "Default" (the built-in style) and "Dark", "Default" applied.
class FrmColorsTest : public KorvoTest {
protected:
    void SetUp() override {
        KorvoTest::SetUp();
        QDir(home()).mkpath(QStringLiteral("Styles"));
        gColorStyle = BuiltInColorStyle();
        writeAll(stylePath("Default"), FormatStyle(BuiltInColorStyle(), QStringLiteral("Plain")));
        writeAll(stylePath("Dark"), DarkStyleBytes());
        platform::SaveSetting(QStringLiteral("OptionsEdit"), QStringLiteral("SciStyleName"), QStringLiteral("Default"));
        GetEditOptions();
        LoadStyle(SciStyleName);
    }
    void TearDown() override {
        documents.clear();
        gColorStyle = BuiltInColorStyle();
        gStyleDescription = BuiltInStyleDescription();
        KorvoTest::TearDown();
    }

    QString stylePath(const char* name) const { return homeFile(QStringLiteral("Styles/%1.style").arg(QLatin1String(name))); }
    static QString storedStyleName() { return platform::GetSetting(QStringLiteral("OptionsEdit"), QStringLiteral("SciStyleName")); }
    frmDoc& open(const char* name) {
        documents.push_back(OpenSourceText(homeFile(QLatin1String(name)), "Print 1\n"));
        return *documents.back();
    }
    static long styleOf(const frmDoc& doc, unsigned message, long style) {
        return long(SciDirect(doc.SciEdi_WndData, message, uptr_t(style)));
    }

    template <typename W>
    static W* widget(frmColors& form, const QString& name) {
        W* found = form.findChild<W*>(name);
        EXPECT_TRUE(found) << name.toStdString();
        return found;
    }
    static void click(frmColors& form, const char* name) { widget<QAbstractButton>(form, QLatin1String(name))->click(); }
    static void click(frmColors& form, const QString& name) { widget<QAbstractButton>(form, name)->click(); }
    static void clickLabel(frmColors& form, int index) { click(form, QStringLiteral("lblText(%1)").arg(index)); }
    static QStringList listed(frmColors& form) {
        QStringList all;
        auto* list = widget<QListWidget>(form, QStringLiteral("lvStyles"));
        for (int row = 0; row < list->count(); ++row)
            all.append(list->item(row)->text() + QLatin1Char(':') + list->item(row)->data(Qt::UserRole).toString());
        return all;
    }
    static QString selected(frmColors& form) {
        const QListWidgetItem* item = widget<QListWidget>(form, QStringLiteral("lvStyles"))->currentItem();
        return item ? item->text() : QString();
    }
    static void select(frmColors& form, const QString& name) {
        auto* list = widget<QListWidget>(form, QStringLiteral("lvStyles"));
        const auto found = list->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        list->setCurrentItem(found[0]);
    }
    void answerText(const QString& text) {
        platform::PromptAnswer answer;
        answer.text = text;
        scriptAnswer(answer);
    }
    void answerColour(unsigned colour) {
        platform::PromptAnswer answer;
        answer.colour = colour;
        scriptAnswer(answer);
    }
    void cancelNext() {
        platform::PromptAnswer answer;
        answer.accepted = false;
        answer.button = platform::vbCancel;
        scriptAnswer(answer);
    }
    QString lastPromptText() const { return prompts.isEmpty() ? QString() : prompts.back().text; }

    FakeHost host;
    std::vector<OpenedDocument> documents;
};

}

TEST_F(FrmColorsTest, OpensOnTheAppliedStyleWithEveryLabelInItsSlotsLook) {
    frmColors form;
    EXPECT_EQ(form.windowTitle(), "Color Styles");
    EXPECT_EQ(listed(form), QStringList({"Dark:style", "Default:checked"}));
    EXPECT_EQ(selected(form), "Default");
    EXPECT_EQ(widget<QLabel>(form, QStringLiteral("lblSelected"))->text(), "Normal Text");
    EXPECT_EQ(widget<QLineEdit>(form, QStringLiteral("txtOpis"))->text(), "Plain");
    auto* sizes = widget<QComboBox>(form, QStringLiteral("cboSize"));
    ASSERT_EQ(sizes->count(), 11);
    EXPECT_EQ(sizes->itemText(0), "6");
    EXPECT_EQ(sizes->itemText(10), "16");
    EXPECT_FALSE(widget<QCheckBox>(form, QStringLiteral("chkSeeChanges"))->isEnabled());
    EXPECT_EQ(widget<QAbstractButton>(form, QStringLiteral("lblText(20)"))->text(), "Matched Braces");
    EXPECT_TRUE(widget<QWidget>(form, QStringLiteral("lblText(2)"))->font().bold());
    EXPECT_FALSE(widget<QWidget>(form, QStringLiteral("lblText(0)"))->font().bold());
    EXPECT_EQ(widget<ColourBox>(form, QStringLiteral("picMarginColor(0)"))->colour(), gColorStyle.BackColor[33]);
    EXPECT_EQ(widget<ColourBox>(form, QStringLiteral("picOtherColor(2)"))->colour(), gColorStyle.ForeColor[26]);
    EXPECT_TRUE(widget<QWidget>(form, QStringLiteral("PicPomosna(0)"))->isEnabled());
    EXPECT_FALSE(widget<QWidget>(form, QStringLiteral("PicPomosna(1)"))->isEnabled());

    open("a.bb");
    EXPECT_TRUE(widget<QCheckBox>(form, QStringLiteral("chkSeeChanges"))->isEnabled());
}

TEST_F(FrmColorsTest, EditsGoToTheSelectedSlotAndPreviewInTheEditorUntilClosedUnsaved) {
    frmDoc& doc = open("a.bb");
    const QByteArray defaultBytes = readAll(stylePath("Default"));
    {
        frmColors form;
        clickLabel(form, 2);
        EXPECT_EQ(widget<QLabel>(form, QStringLiteral("lblSelected"))->text(), "Keywords");
        auto* bold = widget<QCheckBox>(form, QStringLiteral("chkBold"));
        EXPECT_TRUE(bold->isChecked());
        bold->click();
        EXPECT_EQ(gColorStyle.Bold[2], 0);
        EXPECT_EQ(styleOf(doc, QsciScintillaBase::SCI_STYLEGETBOLD, 2), 1) << "no preview unless asked";

        widget<QCheckBox>(form, QStringLiteral("chkSeeChanges"))->click();
        bold->click();
        answerColour(0x0000FF);
        click(form, QStringLiteral("PicFore"));
        EXPECT_EQ(gColorStyle.Bold[2], -1);
        EXPECT_EQ(gColorStyle.ForeColor[2], 0x0000FF);
        EXPECT_EQ(styleOf(doc, QsciScintillaBase::SCI_STYLEGETFORE, 2), 0x0000FF);

        cancelNext();
        click(form, QStringLiteral("picOtherColor(2)"));
        EXPECT_EQ(prompts.back().kind, platform::PromptKind::Colour);
        EXPECT_EQ(gColorStyle.ForeColor[26], BuiltInColorStyle().ForeColor[26]);

        auto* size = widget<QComboBox>(form, QStringLiteral("cboSize"));
        size->setEditText(QStringLiteral("300"));
        emit size->lineEdit()->editingFinished();
        EXPECT_EQ(gColorStyle.FontSize[2], BuiltInColorStyle().FontSize[2]);
        EXPECT_EQ(size->currentText(), QString::number(BuiltInColorStyle().FontSize[2]));
        size->setEditText(QStringLiteral("20"));
        emit size->lineEdit()->editingFinished();
        EXPECT_EQ(gColorStyle.FontSize[2], 20);
        EXPECT_EQ(widget<QWidget>(form, QStringLiteral("lblText(2)"))->font().pointSize(), 20);

        scriptButton(platform::vbNo);
        prompts.clear();
        click(form, "cmdClose");
        ASSERT_EQ(prompts.size(), 1);
        EXPECT_EQ(prompts[0].title, "Save Style");
        EXPECT_EQ(prompts[0].text, "Style Default has changed.\r\nDo you want to save changes to this style?");
    }
    EXPECT_EQ(readAll(stylePath("Default")), defaultBytes);
    EXPECT_EQ(gColorStyle.ForeColor[2], BuiltInColorStyle().ForeColor[2]);
    EXPECT_EQ(styleOf(doc, QsciScintillaBase::SCI_STYLEGETFORE, 2), BuiltInColorStyle().ForeColor[2]);
    EXPECT_EQ(styleOf(doc, QsciScintillaBase::SCI_STYLEGETSIZE, 2), BuiltInColorStyle().FontSize[2]);
}

TEST_F(FrmColorsTest, ACancelledChooserLeavesTheStyleUnchanged) {
    frmColors form;
    cancelNext();
    click(form, QStringLiteral("picBackground"));
    prompts.clear();
    click(form, "cmdClose");
    EXPECT_TRUE(prompts.isEmpty()) << "nothing changed, nothing to save";
}

TEST_F(FrmColorsTest, ApplyFontToAllSetsEverySlotButRefusesABadSize) {
    frmColors form;
    auto* fonts = widget<QComboBox>(form, QStringLiteral("cboFontList"));
    fonts->setEditText(QStringLiteral("No Such Face"));
    widget<QComboBox>(form, QStringLiteral("cboSize"))->setEditText(QStringLiteral("abc"));
    click(form, "cmdApplyFontToAll");
    EXPECT_EQ(gColorStyle.FontName[5], BuiltInColorStyle().FontName[5]);
    widget<QComboBox>(form, QStringLiteral("cboSize"))->setEditText(QStringLiteral("9"));
    widget<QCheckBox>(form, QStringLiteral("chkItalic"))->setChecked(true);
    click(form, "cmdApplyFontToAll");
    for (int slot : {0, 5, 18, 40}) {
        EXPECT_EQ(gColorStyle.FontName[slot], "No Such Face");
        EXPECT_EQ(gColorStyle.FontSize[slot], 9);
        EXPECT_EQ(gColorStyle.Italic[slot], -1);
    }
    EXPECT_EQ(gColorStyle.ForeColor[5], BuiltInColorStyle().ForeColor[5]);
    clickLabel(form, 5);
    EXPECT_EQ(fonts->currentText(), "No Such Face") << "a face the system lacks still shows";
}

TEST_F(FrmColorsTest, NewStylesCopyTheEditedOneAndRefuseTakenOrUnsafeNames) {
    frmColors form;
    answerText("Night");
    click(form, "cmdAddNew");
    EXPECT_EQ(readAll(stylePath("Night")), readAll(stylePath("Default")));
    EXPECT_EQ(listed(form), QStringList({"Dark:style", "Default:checked", "Night:style"}));
    EXPECT_EQ(selected(form), "Night");

    for (const char* name : {"night", "a/b", ".."}) {
        answerText(QLatin1String(name));
        prompts.clear();
        click(form, "cmdAddNew");
        ASSERT_EQ(prompts.size(), 2) << name;
        EXPECT_EQ(prompts[1].icon, platform::vbExclamation);
    }
    EXPECT_EQ(prompts[0].text, "Enter Name For The New Style");
    EXPECT_EQ(QDir(homeFile(QStringLiteral("Styles"))).entryList(QDir::Files).size(), 3);
    EXPECT_FALSE(QFileInfo::exists(homeFile(QStringLiteral("Styles/a"))));

    select(form, QStringLiteral("Dark"));
    EXPECT_EQ(gColorStyle.ForeColor[3], DarkStyle().ForeColor[3]);
    answerText("Dusk");
    scriptButton(platform::vbNo);
    click(form, "cmdAddNew");
    EXPECT_EQ(gColorStyle.ForeColor[3], BuiltInColorStyle().ForeColor[3]) << "No starts from Default";
    EXPECT_EQ(readAll(stylePath("Dusk")), readAll(stylePath("Default")));
}

TEST_F(FrmColorsTest, ApplyRestylesEveryDocumentAlsoWithNoneActive) {
    frmDoc& first = open("a.bb");
    frmDoc& second = open("b.bb");
    ActivateDocument(nullptr);
    frmColors form;
    select(form, QStringLiteral("Dark"));
    click(form, "cmdApplyStyle");
    for (const frmDoc* doc : {&first, &second}) {
        EXPECT_EQ(styleOf(*doc, QsciScintillaBase::SCI_STYLEGETFORE, 7), 7);
        EXPECT_EQ(styleOf(*doc, QsciScintillaBase::SCI_STYLEGETITALIC, 1), 1);
    }
    EXPECT_EQ(storedStyleName(), "Dark");
    EXPECT_EQ(SciStyleName, "Dark");
    EXPECT_EQ(listed(form), QStringList({"Dark:checked", "Default:style"}));
}

TEST_F(FrmColorsTest, RenameMovesTheFileAndTheAppliedNameButNeverOverAnother) {
    frmColors form;
    answerText("Night");
    click(form, "cmdAddNew");
    click(form, "cmdApplyStyle");
    const QByteArray night = readAll(stylePath("Night"));
    answerText("Moon");
    click(form, "cmdRenameStyle");
    EXPECT_FALSE(QFileInfo::exists(stylePath("Night")));
    EXPECT_EQ(readAll(stylePath("Moon")), night);
    EXPECT_EQ(storedStyleName(), "Moon");
    EXPECT_EQ(listed(form), QStringList({"Dark:style", "Default:style", "Moon:checked"}));

    const QByteArray dark = readAll(stylePath("Dark"));
    answerText("Dark");
    prompts.clear();
    click(form, "cmdRenameStyle");
    EXPECT_EQ(lastPromptText(), "Style with this name already exists !");
    EXPECT_EQ(readAll(stylePath("Dark")), dark);
    EXPECT_EQ(readAll(stylePath("Moon")), night);

    answerText("MOON");
    prompts.clear();
    click(form, "cmdRenameStyle");
    EXPECT_EQ(prompts.size(), 1);
    EXPECT_TRUE(QFileInfo::exists(stylePath("Moon")));
}

TEST_F(FrmColorsTest, DeletingTheAppliedStyleStoresDefaultAtOnceAndDefaultStays) {
    frmColors form;
    select(form, QStringLiteral("Dark"));
    click(form, "cmdApplyStyle");
    scriptButton(platform::vbYes);
    click(form, "cmdDeleteStyle");
    EXPECT_EQ(prompts.back().text, "Are you sure you want to delete the style 'Dark' ?");
    EXPECT_FALSE(QFileInfo::exists(stylePath("Dark")));
    EXPECT_EQ(storedStyleName(), "Default");
    EXPECT_EQ(gColorStyle.ForeColor[3], BuiltInColorStyle().ForeColor[3]);
    EXPECT_EQ(listed(form), QStringList({"Default:checked"}));

    click(form, "cmdDeleteStyle");
    EXPECT_EQ(lastPromptText(), "You can't delete default style !");
    EXPECT_TRUE(QFileInfo::exists(stylePath("Default")));
}

TEST_F(FrmColorsTest, TheCommandShowsOneEditorAtATimeAndAClosedOneIsGone) {
    QWidget owner;
    ShowColorStylesDialog(&owner);
    auto* first = owner.findChild<frmColors*>();
    ASSERT_TRUE(first);
    ShowColorStylesDialog(&owner);
    EXPECT_EQ(owner.findChildren<frmColors*>().size(), 1);
    EXPECT_TRUE(first->isVisible());
    QPointer<frmColors> closed = first;
    first->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(closed);
    ShowColorStylesDialog(&owner);
    EXPECT_EQ(owner.findChildren<frmColors*>().size(), 1);
}
