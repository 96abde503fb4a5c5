#include "display/DisplayInput.h"
#include "display/KorvoWindowFixture.h"

#include "aids/FindDialog.h"
#include "editor/ActiveDocument.h"
#include "editor/frmDoc.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <Qsci/qsciscintillabase.h>

namespace {

class FindDialogDisplay : public KorvoWindowTest {
protected:
    void SetUp() override {
        KorvoWindowTest::SetUp();
        if (HasFatalFailure())
            return;
        openDocument(QStringLiteral("main.bb"), "Global count\r\ncount = count + 1\r\nPrint count\r\n");
    }

    // Clicks inside the word that starts at the position, as a user puts the caret there.
    void clickIntoWordAt(long position) {
        SciView* view = gActiveDoc->Sci;
        const int x = int(view->send(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0, position + 1));
        const int y = int(view->send(QsciScintillaBase::SCI_POINTYFROMPOSITION, 0, position)) +
                      int(view->send(QsciScintillaBase::SCI_TEXTHEIGHT, 0)) / 2;
        ASSERT_TRUE(display::click(*editorViewport(), QPoint(x, y)));
        ASSERT_TRUE(display::waitFor([view, position] {
            const auto caret = view->send(QsciScintillaBase::SCI_GETCURRENTPOS);
            return caret > position && caret < position + 3;
        }));
    }

    static FrmFind* dialog() { return frmFind::Loaded() ? &frmFind::Instance() : nullptr; }
    static bool focusIn(const QComboBox* box) {
        return QApplication::focusWidget() == box || QApplication::focusWidget() == box->lineEdit();
    }
    static std::string focusName() {
        QWidget* focus = QApplication::focusWidget();
        return focus ? std::string(focus->metaObject()->className()) + " " + focus->objectName().toStdString() : "nothing";
    }
    // Ctrl+H in the editor, until the dialog has the keys in its find box.
    void openReplace() {
        display::keyChord(QStringLiteral("ctrl+h"));
        ASSERT_TRUE(display::waitFor([] { return dialog() && dialog()->isActiveWindow() && focusIn(dialog()->cboFind); }))
            << "active " << (dialog() && dialog()->isActiveWindow()) << " focus " << focusName();
    }
};

}

TEST_F(FindDialogDisplay, ATypedFindTextTabAndATypedReplacementReplaceEveryMatchWithIt) {
    clickIntoWordAt(0);
    openReplace();
    if (HasFatalFailure())
        return;
    FrmFind& find = *dialog();
    EXPECT_EQ(find.cboFind->currentText(), QStringLiteral("Global"));
    shot(QStringLiteral("proposed"));

    display::typeText(QStringLiteral("count"));
    ASSERT_TRUE(display::waitFor([&find] { return find.cboFind->currentText() == QLatin1String("count"); }))
        << find.cboFind->currentText().toStdString();
    display::keyChord(QStringLiteral("Tab"));
    ASSERT_TRUE(display::waitFor([&find] { return focusIn(find.cboReplace); }))
        << "the focus went to " << focusName();
    display::typeText(QStringLiteral("total"));
    ASSERT_TRUE(display::waitFor([&find] { return find.cboReplace->currentText() == QLatin1String("total"); }))
        << find.cboReplace->currentText().toStdString();
    shot(QStringLiteral("typed"));

    ASSERT_TRUE(display::click(*find.cmdReplaceAll));
    EXPECT_TRUE(display::waitFor([this] { return editorText() == "Global total\r\ntotal = total + 1\r\nPrint total\r\n"; }))
        << editorText().toStdString();
    shot(QStringLiteral("replaced"));
}

TEST_F(FindDialogDisplay, TabWalksTheTextsThenTheOptionsThenTheButtonsAndEnterPressesTheFocusedOne) {
    clickIntoWordAt(14);
    openReplace();
    if (HasFatalFailure())
        return;
    FrmFind& find = *dialog();
    EXPECT_EQ(find.cboFind->currentText(), QStringLiteral("count"));
    QList<QWidget*> visited;
    while (QApplication::focusWidget() != find.cmdReplaceAll && visited.size() < 20) {
        QWidget* before = QApplication::focusWidget();
        display::keyChord(QStringLiteral("Tab"));
        display::waitFor([before] { return QApplication::focusWidget() != before; }, 5000);
        visited.append(QApplication::focusWidget());
        if (visited.size() == 1)
            display::typeText(QStringLiteral("n"));
    }
    ASSERT_EQ(visited.value(0), find.cboReplace);
    ASSERT_EQ(visited.last(), find.cmdReplaceAll);
    const auto at = [&visited](QWidget* widget) { return visited.indexOf(widget); };
    EXPECT_GT(at(find.chkMatchCase), 0);
    EXPECT_GT(at(find.chkRegExp), at(find.chkMatchCase));
    EXPECT_GT(at(find.cmdFind), at(find.chkRegExp));
    shot(QStringLiteral("on-replace-all"));

    // Enter presses the focused "Replace All", not the default "&Find".
    display::keyChord(QStringLiteral("Return"));
    EXPECT_TRUE(display::waitFor([this] { return editorText() == "Global n\r\nn = n + 1\r\nPrint n\r\n"; }))
        << editorText().toStdString();
}
