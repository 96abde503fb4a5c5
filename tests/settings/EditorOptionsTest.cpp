#include "language/parser/ParsedDocuments.h"

#include "editor/ActiveDocument.h"
#include "editor/Folding.h"
#include "editor/SciWrappers.h"
#include "foundation/controls/SpinText.h"
#include "platform/SettingsStore.h"
#include "platform/scintilla/SciView.h"
#include "settings/FrmOptionsEdit.h"
#include "support/FakeHost.h"
#include "vocabulary/SettingsValues.h"

#include <QApplication>
#include <QCheckBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTabWidget>

namespace {

class EditorOptionsTest : public ParsedDocumentsTest {
protected:
    QCheckBox* box(FrmOptionsEdit& form, const char* name) {
        auto* found = form.findChild<QCheckBox*>(QLatin1String(name));
        EXPECT_TRUE(found) << name;
        return found;
    }
    bool enabledOnPage(QWidget* w) { return w->isEnabledTo(w->window()->findChild<QTabWidget*>()->currentWidget()); }
    long foldMarginWidth(const frmDoc& doc) { return long(SciDirect(doc.SciEdi_WndData, QsciScintillaBase::SCI_GETMARGINWIDTHN, 2)); }

    FakeHost host;
};

const QString kStopChars = QStringLiteral("/\\,.~`!@#$%^&*)-_=+{}[]:;?<>|\"");

}

TEST_F(EditorOptionsTest, ApplyOnAnEmptyStoreWritesEveryKeyInOrderWithItsDefault) {
    host.setStatusPaneText(QStringLiteral("StatusMain"), QStringLiteral("Function F"));
    FrmOptionsEdit form;
    form.cmdApply_Click();

    const QStringList expected = {
        "HighlightCurrentLine=1", "AutoIndentType=2", "AutoIndentOnLoad=0", "EmptyUndo=0", "FixVariableCase=1",
        "ReplaceVarPlusPlus=0", "HighlightMatchedBraces=1", "ShowIndentGuides=1", "ShowWhiteSpaces=0",
        "InsertSpacesForTabs=0", "ShowCurrentFunction=1", "ShowLineNumbers=1", "ShowMarkerMargin=1", "TabValue=4",
        "CursorPeriod=500", "cursorwidth=3", "WordWrap=0", "WordWrapFlags=1", "WordWrapFlagLocation=1",
        "WordWrapStartIndent=1", "Hmargin=80", "HmarginStrict=0", "Vmargin=3", "GotoPositionsAtTop=0", "ACshowAuto=1",
        "ACshowOnlyLonger=4", "ACshowWhenNoMore=10", "ACstartAfter=1", "ACcompleteOnlyOne=0", "ACIncConstants=1",
        "ACIncFunctions=1", "ACIncKeywords=1", "ACIncVars=1", "ACCloseListOnDelete=1", "ACCloseListOnNoMatch=0",
        "ACCloseListOnMatch=1", "ACFillUpChars=(", "ACStopChars=" + kStopChars, "ACTypesLabelsEnable=1", "ACRowsHeight=6",
        "PopupCallTips=1", "BreakpointsAsBackground=0", "CBrowserMarkAsNew=30", "CBrowserRememberOnGotoDefinition=1",
        "BookMarksSingleFileBased=0", "SaveBookmarks=1", "SaveFoldingState=1", "SaveCompilerCommandLine=1",
        "FileDirtyOnBookmarks=1", "EachHelpInNewTab=1", "IFNoHelpFound=2", "HomeGoesToFirst=0",
        "CheckForMissingBracesOnFunctions=0",
    };
    QStringList written;
    for (const auto& [key, value] : platform::GetAllSettings(kOptionsEditSection))
        written.append(key + QLatin1Char('=') + value);
    EXPECT_EQ(expected.size(), 53);
    EXPECT_EQ(written, expected);
    EXPECT_EQ(host.statusPaneText(QStringLiteral("StatusMain")), QStringLiteral("Function F"));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    box(form, "chkShowCurrentFunction")->click();
    EXPECT_TRUE(box(form, "chkShowCurrentFunction")->isChecked()) << "a hidden page is out of reach";
    form.pages()->setCurrentIndex(1);
    box(form, "chkShowCurrentFunction")->click();
    box(form, "chkHighlightCurrentLine")->click();
    form.cmdApply_Click();
    EXPECT_EQ(host.statusPaneText(QStringLiteral("StatusMain")), QString());
    EXPECT_EQ(ShowCurrentFunction, 0);
    EXPECT_EQ(HighlightCurrentLine, 0);
    EXPECT_EQ(platform::GetSetting(kOptionsEditSection, QStringLiteral("CursorWidth")), QStringLiteral("3"));
}

TEST_F(EditorOptionsTest, SwitchingTheFoldMarginOffUnfoldsEveryOpenEditorAndKeepsTheCurrentView) {
    const QByteArray text = "Function F()\r\nx = 1\r\nEnd Function\r\n";
    frmDoc& first = parse(text, QStringLiteral("a.bb"));
    FoldEverything(kFoldAllHeaders);
    frmDoc& second = parse(text, QStringLiteral("b.bb"));
    FoldEverything(kFoldAllHeaders);
    frmDoc& plain = parse("x = 1\r\n", QStringLiteral("c.bb"));
    plain.setDirty(false);
    makeCurrent(first);
    ASSERT_FALSE(SciDirect(first.SciEdi_WndData, QsciScintillaBase::SCI_GETLINEVISIBLE, 1));
    ASSERT_FALSE(SciDirect(second.SciEdi_WndData, QsciScintillaBase::SCI_GETLINEVISIBLE, 1));

    FrmOptionsEdit form;
    form.pages()->setCurrentIndex(1);
    box(form, "chkShowFoldMargin")->click();
    form.cmdApply_Click();

    for (const frmDoc* doc : {&first, &second}) {
        EXPECT_TRUE(SciDirect(doc->SciEdi_WndData, QsciScintillaBase::SCI_GETLINEVISIBLE, 1));
        EXPECT_EQ(foldMarginWidth(*doc), 0);
    }
    EXPECT_FALSE(plain.Dirty());
    EXPECT_EQ(platform::GetSetting(kOptionsEditSection, QStringLiteral("ShowFoldMargin")), QStringLiteral("0"));
    EXPECT_EQ(ShowFoldMargin, 0);
    EXPECT_EQ(gActiveDoc, &first);
    EXPECT_TRUE(gSciWndData == first.SciEdi_WndData);

    // Switching it on again unfolds nothing and writes the key.
    box(form, "chkShowFoldMargin")->click();
    form.cmdApply_Click();
    EXPECT_EQ(foldMarginWidth(second), 16);
    EXPECT_EQ(platform::GetSetting(kOptionsEditSection, QStringLiteral("ShowFoldMargin")), QStringLiteral("1"));
}

TEST_F(EditorOptionsTest, WrapControlsFollowTheirBoxesAndPagesCycleAndAreRemembered) {
    {
        FrmOptionsEdit form;
        EXPECT_EQ(form.pages()->currentIndex(), 0);
        for (const char* name : {"chkVisualFlagAtBegin", "chkVisualFlagAtEnd", "chkNearTextAtBegin", "chkNearTextAtEnd"})
            EXPECT_FALSE(enabledOnPage(box(form, name))) << name;
        auto* indent = form.findChild<SpinText*>(QStringLiteral("txtWordWrapIndent"));
        EXPECT_FALSE(enabledOnPage(indent));

        box(form, "chkWordWrap")->click();
        EXPECT_TRUE(enabledOnPage(box(form, "chkVisualFlagAtBegin")));
        EXPECT_TRUE(enabledOnPage(box(form, "chkVisualFlagAtEnd")));
        EXPECT_TRUE(enabledOnPage(indent));
        EXPECT_FALSE(enabledOnPage(box(form, "chkNearTextAtBegin")));
        EXPECT_TRUE(enabledOnPage(box(form, "chkNearTextAtEnd")));
        box(form, "chkVisualFlagAtBegin")->click();
        EXPECT_TRUE(enabledOnPage(box(form, "chkNearTextAtBegin")));

        // From a control of the first page, with wrap-around both ways; a
        // hidden page's controls are out of reach.
        QKeyEvent back(QEvent::KeyPress, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        QApplication::sendEvent(indent->TextBox(), &back);
        EXPECT_EQ(form.pages()->currentIndex(), 4);
        EXPECT_EQ(form.pages()->tabText(4), QStringLiteral("&AutoScroll"));
        EXPECT_FALSE(box(form, "chkWordWrap")->isEnabled());
        QKeyEvent next(QEvent::KeyPress, Qt::Key_Tab, Qt::ControlModifier);
        QApplication::sendEvent(box(form, "chkGotoPositionsAtTop"), &next);
        QApplication::sendEvent(box(form, "chkGotoPositionsAtTop"), &next);
        EXPECT_EQ(form.pages()->currentIndex(), 1);
        form.reject();
    }
    FrmOptionsEdit reopened;
    EXPECT_EQ(reopened.pages()->currentIndex(), 1);
    EXPECT_EQ(platform::GetSetting(kOptionsSection, QStringLiteral("LastSelectedTabOpEdit")), QStringLiteral("1"));
    EXPECT_TRUE(platform::GetAllSettings(kOptionsEditSection).isEmpty());
}
