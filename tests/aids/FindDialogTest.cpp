#include "aids/FindFixture.h"

#include "aids/FindCommands.h"
#include "aids/FindDialog.h"
#include "aids/RecentFindTexts.h"
#include "editor/CurrentView.h"
#include "editor/SciWrappers.h"
#include "editor/frmDoc.h"
#include "platform/SettingsStore.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {

QString setting(const char* section, const char* key) {
    return platform::GetSetting(QLatin1String(section), QLatin1String(key));
}

QStringList listed(const QComboBox* box) {
    QStringList items;
    for (int index = 0; index < box->count(); ++index)
        items.append(box->itemText(index));
    return items;
}

class FindDialogTest : public FindTest {
protected:
    void SetUp() override {
        FindTest::SetUp();
        gMRUFind.setName(QStringLiteral("MRUFind"));
        gMRUReplace.setName(QStringLiteral("MRUReplace"));
        gMRUFind.Clear();
        gMRUReplace.Clear();
    }
};

TEST_F(FindDialogTest, ClosingLeavesTheSelectionScopeAndUnloadingKeepsTheOptions) {
    open(QStringLiteral("a.bb"), "one two three four five six\r\n");
    FrmFind& dialog = frmFind::Instance();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral(" Find"));
    EXPECT_EQ(dialog.parentWidget(), main.get());
    for (const char* word : {"one", "two", "three", "four", "five", "six"}) {
        dialog.cboFind->setEditText(QLatin1String(word));
        dialog.cmdFind_Click();
    }
    dialog.optSearchIn[FindOptions::Selection]->setChecked(true);
    EXPECT_FALSE(dialog.optStartAt[0]->isEnabled());
    EXPECT_FALSE(dialog.cmdFindPrev->isEnabled());
    dialog.chkMatchCase->setChecked(true);
    dialog.cmdCancel_Click();
    EXPECT_TRUE(dialog.isHidden());
    EXPECT_TRUE(dialog.optSearchIn[FindOptions::CurrentProject]->isChecked());
    EXPECT_TRUE(dialog.optStartAt[0]->isEnabled());
    frmFind::Unload();
    EXPECT_FALSE(frmFind::Loaded());
    EXPECT_EQ(setting("FindOptions", "SearchArea"), QStringLiteral("1"));
    EXPECT_EQ(setting("FindOptions", "SearchIn"), QStringLiteral("1"));
    EXPECT_EQ(setting("FindOptions", "MatchCase"), QStringLiteral("1"));
    EXPECT_EQ(setting("FindOptions", "WordStart"), QStringLiteral("0"));
    EXPECT_EQ(setting("FindOptions", "WholeWord"), QStringLiteral("0"));
    EXPECT_EQ(setting("FindOptions", "RegEx"), QStringLiteral("0"));
    // A recent list keeps its entries in the section "MRU" + its name.
    EXPECT_EQ(setting("MRUMRUFind", "1"), QStringLiteral("six"));
    EXPECT_EQ(setting("MRUMRUFind", "5"), QStringLiteral("two"));
    EXPECT_EQ(setting("MRUMRUFind", "6"), QString());

    platform::SaveSetting(QStringLiteral("FindOptions"), QStringLiteral("SearchIn"), QStringLiteral("3"));
    platform::SaveSetting(QStringLiteral("FindOptions"), QStringLiteral("RegEx"), QStringLiteral("1"));
    FrmFind& again = frmFind::Instance();
    EXPECT_TRUE(again.optSearchIn[FindOptions::Selection]->isChecked());
    EXPECT_FALSE(again.optStartAt[1]->isEnabled());
    EXPECT_TRUE(again.chkMatchCase->isChecked());
    EXPECT_FALSE(again.chkMatchCase->isEnabled()) << "disabled under regular expressions, still ticked";
}

TEST_F(FindDialogTest, FindNextWithAnEmptyFindBoxOnlyOpensTheDialog) {
    open(QStringLiteral("a.bb"), "  \r\n");
    FindNextCommand();
    ASSERT_TRUE(frmFind::Loaded());
    EXPECT_TRUE(frmFind::Instance().isVisible());
    EXPECT_TRUE(prompts.isEmpty());
    EXPECT_EQ(frmFind::Instance().cmdFind->text(), QStringLiteral("&Find"));

    frmFind::Instance().cboFind->setEditText(QStringLiteral("x"));
    FindNextCommand();
    EXPECT_EQ(prompts.size(), 2) << "the wrap question and the end of the search";
}

TEST_F(FindDialogTest, StartFindProposesTheSelectionTheWordOrTheNewestText) {
    open(QStringLiteral("a.bb"), QByteArray("Print score\r\n") + QByteArray(400, 'z') + "\r\n");
    gMRUFind.Add(QStringLiteral("older"));
    gMRUFind.Add(QStringLiteral("score"));
    SciGotoPos(8);
    ShowFind();
    FrmFind& dialog = frmFind::Instance();
    EXPECT_EQ(dialog.cboFind->currentText(), QStringLiteral("score"));
    EXPECT_EQ(listed(dialog.cboFind), (QStringList{"score", "score", "older"}));

    SciSetSel(0, 5);
    dialog.StartFind(false);
    EXPECT_EQ(dialog.cboFind->currentText(), QStringLiteral("Print"));

    SciSetSel(13, 13 + 300);
    dialog.StartFind(false);
    EXPECT_EQ(dialog.cboFind->currentText(), QStringLiteral("score"));
    EXPECT_EQ(listed(dialog.cboFind), (QStringList{"score", "older"}));

    SciGotoPos(5);
    dialog.cmdInsertWordUnderCursor_Click();
    EXPECT_EQ(dialog.cboFind->currentText(), QStringLiteral("Print"));
    SciGotoPos(11);
    SciInsertText(11, " ");
    SciGotoPos(12);
    dialog.cmdInsertWordUnderCursor_Click();
    EXPECT_EQ(dialog.cboFind->currentText(), QString());
}

TEST_F(FindDialogTest, TheReplacePartOpensAndCollapses) {
    open(QStringLiteral("a.bb"), "a b a\r\n");
    gMRUReplace.Add(QStringLiteral("used"));
    FrmFind& dialog = frmFind::Instance();
    const int closedHeight = dialog.height();
    EXPECT_TRUE(dialog.cboReplace->isHidden());
    EXPECT_EQ(dialog.cmdReplace->text(), QStringLiteral("&Replace..."));
    EXPECT_EQ(dialog.cmdMarkAll->text(), QStringLiteral("Find && &Mark All"));
    ShowReplace();
    EXPECT_FALSE(dialog.cboReplace->isHidden());
    EXPECT_EQ(dialog.cmdReplace->text(), QStringLiteral("&Replace"));
    EXPECT_GT(dialog.height(), closedHeight);
    EXPECT_GT(dialog.PicBox->y(), dialog.cboReplace->y());
    EXPECT_EQ(listed(dialog.cboReplace), QStringList{"used"});

    dialog.cboFind->setEditText(QStringLiteral("a"));
    dialog.cboReplace->setEditText(QStringLiteral("c"));
    dialog.cmdFind_Click();
    EXPECT_EQ(dialog.cmdFind->text(), QStringLiteral("&Find Next"));
    dialog.cmdReplace_Click();
    EXPECT_EQ(dialog.cmdFind->text(), QStringLiteral("&Find")) << "no further match closed the sequence";
    gTextRange.cpMin = 0;
    gTextRange.cpMax = -1;
    SciGetTextRange(gTextRange);
    EXPECT_EQ(gTextRange.lpstrText, "a b c\r\n");
    EXPECT_EQ(gMRUReplace.IndexItem(1), QStringLiteral("c"));

    dialog.reject();
    EXPECT_TRUE(dialog.isHidden());
    EXPECT_TRUE(dialog.cboReplace->isHidden());
    EXPECT_EQ(dialog.cboReplace->currentText(), QString());
    EXPECT_EQ(dialog.height(), closedHeight);
    EXPECT_TRUE(frmFind::Loaded());
}

}

namespace {

TEST_F(FindDialogTest, TheDialogMovesOffAMatchUnderIt) {
    open(QStringLiteral("a.bb"), "Print score\r\n");
    main->setGeometry(0, 0, 800, 500);
    main->show();
    FrmFind& dialog = frmFind::Instance();
    dialog.show();
    const QPoint match =
        gActiveDoc->Sci->mapToGlobal(QPoint(int(SciPointXFromPosition(6)), int(SciPointYFromPosition(6))));
    dialog.move(match.x() - 10, match.y() - 5);
    dialog.RepositionDialog(6, 11);
    EXPECT_EQ(dialog.frameGeometry().top(), match.y() + 560 / 15) << "below a match in the upper half";
    const QPoint away = dialog.pos();
    dialog.RepositionDialog(6, 11);
    EXPECT_EQ(dialog.pos(), away) << "the match no longer lies under it";
}

}
