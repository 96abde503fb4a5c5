#include "display/DisplayInput.h"
#include "display/KorvoWindowFixture.h"

#include "editor/ActiveDocument.h"
#include "editor/frmDoc.h"
#include "files/Project.h"
#include "files/ProjectLoading.h"
#include "files/projects/ProjectsTree.h"
#include "files/projects/frmProjectEx.h"

#include <QDir>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace {

class ProjectsPanelDisplay : public KorvoWindowTest {
protected:
    void SetUp() override {
        KorvoWindowTest::SetUp();
        if (HasFatalFailure())
            return;
        QDir(home()).mkpath(QStringLiteral("game/src"));
        writeAll(homeFile(QStringLiteral("game/main.bb")), "Print \"main\"\r\n");
        writeAll(homeFile(QStringLiteral("game/src/util.bb")), "Print \"util\"\r\n");
        writeAll(homeFile(QStringLiteral("game/game.kpf")),
                 "[Korvo Project file]\r\n<Settings>\r\n Version=\"1\"\r\n Expanded=\"True\"\r\n Icon=\"\"\r\n"
                 " MainFile=\"main.bb\"\r\n Compiler=\"Blitz\"\r\n CommandLine=\"\"\r\n</Settings>\r\n"
                 "<Folders>\r\n AbsPath=\"\\src\" Expanded=\"True\"\r\n</Folders>\r\n<Files>\r\n"
                 " AbsPath=\"\\main.bb\" PrjFolder=\"\" Line=\"0\" Column=\"0\" Tip=\"0\" Visible=\"False\"\r\n"
                 " AbsPath=\"\\src\\util.bb\" PrjFolder=\"\\src\" Line=\"0\" Column=\"0\" Tip=\"0\" Visible=\"False\"\r\n"
                 "</Files>\r\n");
        ASSERT_TRUE(LoadProject(homeFile(QStringLiteral("game/game.kpf"))));
        panel = qobject_cast<frmProjectEx*>(showPanel(QStringLiteral("Projects")));
        ASSERT_TRUE(panel);
        ASSERT_TRUE(display::waitFor([this] { return node(QStringLiteral("util.bb")) != nullptr; }));
    }

    QTreeWidgetItem* node(const QString& text) const {
        for (QTreeWidgetItemIterator it(panel->tvProjects); *it; ++it)
            if ((*it)->text(0) == text)
                return *it;
        return nullptr;
    }
    QPoint nodePoint(const QString& text) const {
        const QRect rect = panel->tvProjects->visualItemRect(node(text));
        return QPoint(rect.left() + 12, rect.center().y());
    }
    QWidget* tree() const { return panel->tvProjects->viewport(); }

    frmProjectEx* panel = nullptr;
};

}

TEST_F(ProjectsPanelDisplay, AClickSelectsADoubleClickOpensAndTheRightButtonOpensTheMenu) {
    ASSERT_TRUE(display::click(*tree(), nodePoint(QStringLiteral("main.bb"))));
    EXPECT_TRUE(display::waitFor([this] { return panel->tvProjects->currentItem() == node(QStringLiteral("main.bb")); }));

    const QStringList menu = popupAfter([this] { display::rightClick(*tree(), nodePoint(QStringLiteral("util.bb"))); });
    EXPECT_FALSE(menu.isEmpty()) << "no popup menu showed";

    ASSERT_TRUE(display::doubleClick(*tree(), nodePoint(QStringLiteral("util.bb"))));
    EXPECT_TRUE(display::waitFor([] { return gActiveDoc && gActiveDoc->FullFilename.endsWith(QLatin1String("util.bb")); }));
    EXPECT_TRUE(display::waitFor([this] { return editorText() == "Print \"util\"\r\n"; })) << editorText().toStdString();
    shot();
}

TEST_F(ProjectsPanelDisplay, AMemberDraggedOntoACategoryMovesIntoIt) {
    ASSERT_TRUE(display::drag(*tree(), nodePoint(QStringLiteral("main.bb")), *tree(), nodePoint(QStringLiteral("src"))));
    const ProjectPtr project = gProjects.Item(homeFile(QStringLiteral("game/game.kpf")));
    ASSERT_TRUE(project);
    EXPECT_TRUE(display::waitFor([this] {
        QTreeWidgetItem* moved = node(QStringLiteral("main.bb"));
        return moved && moved->parent() && moved->parent()->text(0) == QLatin1String("src");
    }));
    shot();
}
