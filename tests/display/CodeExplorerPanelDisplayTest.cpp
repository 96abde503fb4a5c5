#include "display/DisplayInput.h"
#include "display/KorvoWindowFixture.h"

#include "editor/ActiveDocument.h"
#include "editor/frmDoc.h"

#include <QAction>
#include <QToolBar>
#include <QTreeWidget>

#include <Qsci/qsciscintillabase.h>

namespace {

class CodeExplorerPanelDisplay : public KorvoWindowTest {
protected:
    void SetUp() override {
        KorvoWindowTest::SetUp();
        if (HasFatalFailure())
            return;
        writeAll(homeFile(QStringLiteral("lib.bb")), "Function Helper()\r\nEnd Function\r\n");
        openDocument(QStringLiteral("main.bb"),
                     "Include \"lib.bb\"\r\nFunction Alpha()\r\nEnd Function\r\n\r\nFunction Beta(count)\r\n  Local total\r\nEnd Function\r\n");
        panel = showPanel(QStringLiteral("CodeExplorer"));
        ASSERT_TRUE(panel);
    }

    QTreeWidget* list(const char* name) const { return panel->findChild<QTreeWidget*>(QLatin1String(name)); }
    static QTreeWidgetItem* row(const QTreeWidget* view, const QString& name) {
        for (int i = 0; i < view->topLevelItemCount(); ++i)
            if (view->topLevelItem(i)->text(0).startsWith(name))
                return view->topLevelItem(i);
        return nullptr;
    }
    static QPoint rowPoint(const QTreeWidget* view, const QString& name) {
        const QRect rect = view->visualItemRect(row(view, name));
        return QPoint(rect.left() + 20, rect.center().y());
    }
    // The tool button of a list of the explorer's tool bar.
    QWidget* toolButton(const QString& caption) const {
        for (QToolBar* bar : panel->findChildren<QToolBar*>())
            for (QAction* action : bar->actions())
                if (action->text() == caption)
                    return bar->widgetForAction(action);
        return nullptr;
    }
    static int caretLine() {
        const auto position = gActiveDoc->Sci->send(QsciScintillaBase::SCI_GETCURRENTPOS);
        return int(gActiveDoc->Sci->send(QsciScintillaBase::SCI_LINEFROMPOSITION, position));
    }

    QWidget* panel = nullptr;
};

}

TEST_F(CodeExplorerPanelDisplay, AClickShowsAFunctionsLocalsAndADoubleClickGoesToIt) {
    QTreeWidget* functions = list("lvFunctions");
    ASSERT_TRUE(functions);
    shot(QStringLiteral("start"));
    ASSERT_TRUE(display::waitFor([functions] { return row(functions, QStringLiteral("Beta")) != nullptr; }));
    ASSERT_TRUE(display::click(*functions->viewport(), rowPoint(functions, QStringLiteral("Beta"))));
    QTreeWidget* locals = list("lvLocals");
    ASSERT_TRUE(locals);
    EXPECT_TRUE(display::waitFor([locals] { return row(locals, QStringLiteral("total")) != nullptr; }));

    ASSERT_TRUE(display::doubleClick(*functions->viewport(), rowPoint(functions, QStringLiteral("Beta"))));
    EXPECT_TRUE(display::waitFor([] { return caretLine() == 4; })) << caretLine();
    shot();
}

TEST_F(CodeExplorerPanelDisplay, TheIncludesListOffersToOpenAnIncludeWithTheRightButton) {
    QWidget* includesButton = toolButton(QStringLiteral("Includes"));
    ASSERT_TRUE(includesButton);
    ASSERT_TRUE(display::click(*includesButton));
    QTreeWidget* includes = list("lvIncludes");
    ASSERT_TRUE(includes);
    ASSERT_TRUE(display::waitFor([includes] { return includes->isVisible() && row(includes, QStringLiteral("lib.bb")) != nullptr; }));
    ASSERT_TRUE(display::click(*includes->viewport(), rowPoint(includes, QStringLiteral("lib.bb"))));
    const QStringList menu = popupAfter([&] { display::rightClick(*includes->viewport(), rowPoint(includes, QStringLiteral("lib.bb"))); });
    EXPECT_EQ(menu, QStringList{QStringLiteral("Open in Korvo")});
}
