#include "aids/ClipRing.h"
#include "aids/FrmClipRing.h"
#include "editor/EditorFixture.h"
#include "editor/SciWrappers.h"
#include "vocabulary/SettingsValues.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QTreeWidget>

namespace {

class ClipRingTest : public EditorTest {
protected:
    void copy(long anchor, long caret) {
        SciSetSel(anchor, caret);
        CopyPrivate();
    }
    QByteArray text() {
        gTextRange.cpMin = 0;
        gTextRange.cpMax = -1;
        SciGetTextRange(gTextRange);
        return gTextRange.lpstrText;
    }
    void expectSelected(long caret, long anchor) {
        EXPECT_EQ(SciGetCurrentPos(), caret);
        EXPECT_EQ(SciGetSelectionEnd(), anchor);
    }
    static QStringList rows(QTreeWidget* list) {
        QStringList all;
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            all << list->topLevelItem(i)->text(0) + QLatin1Char('|') + list->topLevelItem(i)->text(1);
        return all;
    }
    static void pressEnter(QWidget* widget) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(widget, &press);
    }
};

}

TEST_F(ClipRingTest, CopyKeepsTheFirst2000BytesAndCopiesTheWholeSelection) {
    auto doc = openDocument(QByteArray(1200, 'a') + "\r\n" + QByteArray(1298, 'b'));
    copy(0, 2500);
    ASSERT_EQ(gClipRingTexts.size(), 1);
    EXPECT_EQ(gClipRingTexts[0], QByteArray(1200, 'a') + "\r\n" + QByteArray(798, 'b'));
    EXPECT_EQ(gClipRingLineCounts[0], 2);
    EXPECT_EQ(QApplication::clipboard()->text().size(), 2500);

    QApplication::clipboard()->setText(QStringLiteral("kept"));
    SciSetSel(7, 7);
    CopyPrivate();
    EXPECT_EQ(gClipRingTexts.size(), 1);
    EXPECT_EQ(QApplication::clipboard()->text(), "kept");
}

TEST_F(ClipRingTest, TheCopyBeyondTheCapacityDropsTheOldest) {
    auto doc = openDocument("abcdefghijklmnopq");
    gClipRingMaxItems = 15;
    for (long i = 0; i < 16; ++i)
        copy(i, i + 1);
    ASSERT_EQ(gClipRingTexts.size(), 15);
    EXPECT_EQ(gClipRingTexts.first(), "b");
    EXPECT_EQ(gClipRingTexts.last(), "p");
    EXPECT_EQ(gClipRingLineCounts.size(), 15);
}

TEST_F(ClipRingTest, CyclingAtOnePlaceGoesFromTheNewestToTheOldestAndRoundAgain) {
    auto doc = openDocument("alpha beta\r\n\r\nx");
    CyclePrivate();
    EXPECT_EQ(text(), "alpha beta\r\n\r\nx");
    copy(0, 5);
    copy(6, 10);
    SciGotoPos(12);
    CyclePrivate();
    EXPECT_EQ(text(), "alpha beta\r\nbeta\r\nx");
    expectSelected(12, 16);
    CyclePrivate();
    EXPECT_EQ(text(), "alpha beta\r\nalpha\r\nx");
    expectSelected(12, 17);
    CyclePrivate();
    EXPECT_EQ(text(), "alpha beta\r\nbeta\r\nx");
    expectSelected(12, 16);

    SciGotoPos(0);
    SciSetSel(18, 19);
    CyclePrivate();
    EXPECT_EQ(text(), "alpha beta\r\nbeta\r\nbeta");
    expectSelected(18, 22);
}

TEST_F(ClipRingTest, TheListShowsTheNewestFirstAndInsertsTheChosenEntry) {
    auto doc = openDocument("one\r\ntwo\tthree\r\nfour");
    copy(0, 14);
    copy(16, 20);
    FrmClipRing form;
    auto* list = form.findChild<QTreeWidget*>(QStringLiteral("ListView1"));
    ASSERT_TRUE(list);
    EXPECT_EQ(rows(list), QStringList({"four|1", "one two three|2"}));

    SciSetSel(0, 3);
    pressEnter(list);
    EXPECT_EQ(form.result(), 0);
    list->setCurrentItem(list->topLevelItem(1));
    pressEnter(list);
    EXPECT_EQ(text(), "one\r\ntwo\tthree\r\ntwo\tthree\r\nfour");
    EXPECT_EQ(form.result(), QDialog::Accepted);

    FrmClipRing again;
    auto* second = again.findChild<QTreeWidget*>(QStringLiteral("ListView1"));
    again.findChild<QPushButton*>(QStringLiteral("bnClear"))->click();
    EXPECT_EQ(second->topLevelItemCount(), 0);
    EXPECT_TRUE(gClipRingTexts.isEmpty());
    EXPECT_TRUE(gClipRingLineCounts.isEmpty());
}

TEST_F(ClipRingTest, PastePrivateShowsTheListAndPutsTheEntryInPlace) {
    auto doc = openDocument("alpha beta");
    copy(0, 5);
    platform::PromptAnswer showForReal;
    showForReal.button = -1;
    scriptAnswer(showForReal);
    QTimer::singleShot(0, [] {
        auto* form = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_TRUE(form);
        auto* list = form->findChild<QTreeWidget*>(QStringLiteral("ListView1"));
        list->setCurrentItem(list->topLevelItem(0));
        pressEnter(list);
    });
    SciSetSel(6, 10);
    PastePrivate();
    EXPECT_EQ(text(), "alpha alpha");
    ASSERT_EQ(prompts.size(), 1);
    EXPECT_EQ(prompts[0].title, "ClipBoard Ring");
}

TEST_F(ClipRingTest, TheListStaysOnTheScreenBelowTheCaret) {
    auto doc = openDocument("x\r\ny");
    const QRect available = QApplication::primaryScreen()->availableGeometry();
    doc->resize(300, 200);
    doc->move(available.left() + 20, available.top() + 20);
    doc->show();
    SciGotoPos(0);
    const QPoint caret = doc->Sci->mapToGlobal(QPoint(SciPointXFromPosition(0), SciPointYFromPosition(0)));
    FrmClipRing form;
    form.PlaceAtCaret();
    EXPECT_EQ(form.frameGeometry().topLeft(), caret);

    doc->move(available.left() + 20, available.bottom() - 30);
    SciGotoPos(3);
    form.PlaceAtCaret();
    EXPECT_EQ(form.y(), available.bottom() + 1 - form.frameGeometry().height());
}
