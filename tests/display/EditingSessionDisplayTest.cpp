#include "LineStates.h"
#include "display/DisplayInput.h"
#include "display/EditedWindowFixture.h"

#include "editor/ActiveDocument.h"
#include "editor/frmDoc.h"
#include "explorer/ExplorerListKinds.h"
#include "files/Project.h"
#include "language/editing/NotificationHandler.h"
#include "language/model/ModelDump.h"
#include "shell/StatusObjects.h"
#include "shell/frmMain.h"
#include "support/Corpus.h"

#include <QAction>
#include <QFile>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

#include <Qsci/qsciscintillabase.h>

#include <iostream>
#include <random>

// A real game edited with the real keyboard and mouse for a while: typing,
// Enter, Backspace, undo and redo, copy, cut and paste, lines dragged to
// other places, moves and clicks, folds clicked and toggled and folded
// headers deleted, moved and joined, the first line's too.
// Afterwards the code model, the parser's markers and fold level of every
// line and every list of the code explorer must be what a fresh open of the
// saved file gives. KORVO_EDITING_ACTIONS and KORVO_EDITING_SEED make longer
// or other sessions; a longer one prints each action as it goes, so that the
// last ones before an abort are known.
namespace {

const char* const kGame = KORVO_CORPUS_DIR "/samples/Games/wing_ring/wing_ring.bb";

int fromEnvironment(const char* name, int fallback) {
    const QByteArray value = qgetenv(name);
    return value.isEmpty() ? fallback : value.toInt();
}

class EditingSessionDisplay : public EditedWindowTest {
protected:
    void act(std::mt19937& random, int number) {
        static const char* const words[] = {"End Type", "Function f(a)", "Global g", "Local x = 1", "Type T",
                                            "Field a", "End Function", "Print x", "If a Then", "End If"};
        QWidget* view = editorViewport();
        const unsigned action = random() % 29;
        if (traced)
            std::cerr << "action " << number << ": " << action << std::endl;
        switch (action) {
        case 0: case 1: case 2: display::typeText(QString::fromLatin1(words[random() % 10])); break;
        case 3: case 4: display::keyChord(QStringLiteral("Return")); break;
        case 5: display::keyChord(QStringLiteral("BackSpace")); break;
        case 6: display::keyChord(QStringLiteral("ctrl+z")); break;
        case 7: display::keyChord(QStringLiteral("ctrl+y")); break;
        case 8: display::keyChord(QStringLiteral("shift+Next")); display::keyChord(QStringLiteral("ctrl+c")); break;
        case 9: display::keyChord(QStringLiteral("ctrl+v")); break;
        case 10: display::keyChord(QStringLiteral("shift+Down")); display::keyChord(QStringLiteral("ctrl+x")); break;
        case 11: display::keyChord(QStringLiteral("Down")); display::keyChord(QStringLiteral("Down")); break;
        case 12: display::keyChord(QStringLiteral("Up")); break;
        case 13: display::keyChord(QStringLiteral("Next")); break;
        case 14: display::keyChord(QStringLiteral("Prior")); break;
        case 15:
            // A click past the margins; Escape first takes down a completion list or call tip over the text.
            display::keyChord(QStringLiteral("Escape"));
            display::click(*view, QPoint(80 + int(random() % unsigned(std::max(1, view->width() - 100))),
                                         10 + int(random() % unsigned(std::max(1, view->height() - 20)))));
            break;
        case 16: display::keyChord(QStringLiteral("End")); break;
        case 17: display::keyChord(QStringLiteral("Home")); break;
        case 18: display::typeText(QStringLiteral("a")); break;
        case 19: dragALine(*view, random); break;
        case 21: clickFoldMargin(*view, random); break;
        case 22: display::keyChord(QStringLiteral("ctrl+m")); break;
        case 23: display::keyChord(random() % 2 ? QStringLiteral("alt+Up") : QStringLiteral("alt+Down")); break;
        case 24: display::keyChord(QStringLiteral("ctrl+shift+l")); break;
        case 25: foldedHeaderEdited(random); break;
        case 26: display::keyChord(QStringLiteral("Delete")); break;
        case 27: display::keyChord(QStringLiteral("ctrl+space")); break;
        case 28: display::keyChord(QStringLiteral("F12")); break;
        default: display::keyChord(QStringLiteral("Escape")); break;
        }
    }

    // A click in the fold margin on a row of the view.
    static void clickFoldMargin(QWidget& view, std::mt19937& random) {
        display::keyChord(QStringLiteral("Escape"));
        const int x = int(send(QsciScintillaBase::SCI_GETMARGINWIDTHN, 0) + send(QsciScintillaBase::SCI_GETMARGINWIDTHN, 1) +
                          send(QsciScintillaBase::SCI_GETMARGINWIDTHN, 2) / 2);
        const int lineHeight = int(send(QsciScintillaBase::SCI_TEXTHEIGHT));
        const int rows = std::max(1, view.height() / std::max(1, lineHeight) - 1);
        display::click(view, QPoint(x, int(random() % unsigned(rows)) * lineHeight + lineHeight / 2));
    }

    // A header folded with Ctrl+M, the first line's now and then, then its
    // line deleted, cut, moved, or joined to the line above.
    static void foldedHeaderEdited(std::mt19937& random) {
        display::keyChord(QStringLiteral("Escape"));
        if (random() % 3 == 0)
            display::keyChord(QStringLiteral("ctrl+Home"));
        display::keyChord(QStringLiteral("ctrl+m"));
        static const char* const edits[][3] = {{"ctrl+shift+l"}, {"ctrl+l"}, {"alt+Up"}, {"alt+Down"},
                                                {"Home", "shift+Down", "Delete"}, {"Home", "BackSpace"}};
        for (const char* chord : edits[random() % 6]) {
            if (chord)
                display::keyChord(QString::fromLatin1(chord));
        }
    }

    // Selects the caret's line and drags it with the pointer to another place of the text.
    void dragALine(QWidget& view, std::mt19937& random) {
        display::keyChord(QStringLiteral("Escape"));
        display::keyChord(QStringLiteral("Home"));
        display::keyChord(QStringLiteral("shift+Down"));
        const long start = send(QsciScintillaBase::SCI_GETSELECTIONSTART);
        if (start == send(QsciScintillaBase::SCI_GETSELECTIONEND))
            return;
        const int lineHeight = int(send(QsciScintillaBase::SCI_TEXTHEIGHT));
        const QPoint from(int(send(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0, start)) + 4,
                          int(send(QsciScintillaBase::SCI_POINTYFROMPOSITION, 0, start)) + lineHeight / 2);
        const QPoint to(80 + int(random() % unsigned(std::max(1, view.width() - 100))),
                        lineHeight + int(random() % unsigned(std::max(1, view.height() - 3 * lineHeight))));
        if (view.rect().adjusted(0, 0, 0, -3 * lineHeight).contains(from))
            display::drag(view, from, view, to);
    }

    bool traced = false;

    // The code model of the active document, in an order edits cannot change.
    static std::string model() {
        QStringList dump = DumpModel(gActiveProject->Model, *gActiveDoc, ModelDumpDetail::Full);
        dump.sort();
        return dump.join(QLatin1Char('\n')).toStdString();
    }

    // Every declaration list of the code explorer, each shown by its tool button.
    QStringList explorerLists() {
        QWidget* panel = showPanel(QStringLiteral("CodeExplorer"));
        if (!panel)
            return {};
        QStringList rows;
        for (const ExplorerListKind& kind : kExplorerLists) {
            const QString caption = QString::fromLatin1(kind.construct);
            QWidget* button = toolButton(panel, caption);
            auto* list = panel->findChild<QTreeWidget*>(QStringLiteral("lv") + caption);
            if (!button || !list) {
                ADD_FAILURE() << "no list " << caption.toStdString();
                continue;
            }
            if (!button->isVisible())
                showOverflow(panel, button);
            EXPECT_TRUE(display::click(*button)) << caption.toStdString();
            display::waitFor([list] { return list->isVisible(); });
            QStringList items;
            for (int i = 0; i < list->topLevelItemCount(); ++i)
                items.append(caption + QLatin1Char(' ') + list->topLevelItem(i)->text(0));
            items.sort();
            rows += items;
        }
        return rows;
    }

    // A narrow panel folds the last tool buttons behind the tool bar's extension button.
    static void showOverflow(QWidget* panel, QWidget* button) {
        auto* extension = panel->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button"));
        ASSERT_TRUE(extension && extension->isVisible());
        ASSERT_TRUE(display::click(*extension));
        ASSERT_TRUE(display::waitFor([button] { return button->isVisible(); }));
    }

    static QWidget* toolButton(QWidget* panel, const QString& caption) {
        for (QToolBar* bar : panel->findChildren<QToolBar*>())
            for (QAction* action : bar->actions())
                if (action->text() == caption)
                    return bar->widgetForAction(action);
        return nullptr;
    }
};

}

TEST_F(EditingSessionDisplay, ARealGameEditedByHandListsWhatAFreshOpenOfTheSavedFileLists) {
    QFile game(QString::fromLatin1(kGame));
    KORVO_NEED_CORPUS(game.open(QIODevice::ReadOnly), "no corpus game at " << kGame);
    openDocument(QStringLiteral("Main.bb"), game.readAll());
    // The game ends inside a function; it opens at its top, in the main program.
    EXPECT_TRUE(display::waitFor([] { return gStatusMain->text() == QLatin1String("*Main Program*"); }, 5000))
        << gStatusMain->text().toStdString();
    ASSERT_TRUE(display::click(*editorViewport(), QPoint(200, 100)));

    std::mt19937 random(unsigned(fromEnvironment("KORVO_EDITING_SEED", 7)));
    const int actions = fromEnvironment("KORVO_EDITING_ACTIONS", 150);
    traced = qEnvironmentVariableIsSet("KORVO_EDITING_ACTIONS");
    for (int i = 0; i < actions && !HasFailure(); ++i)
        act(random, i);
    ASSERT_FALSE(HasFailure()) << "an action did not arrive";

    display::keyChord(QStringLiteral("Escape"));
    display::keyChord(QStringLiteral("ctrl+End"));
    display::keyChord(QStringLiteral("ctrl+Home"));
    ASSERT_TRUE(display::waitFor(settled));
    shot(QStringLiteral("edited"));
    const std::string editedModel = model();
    const QStringList editedLines = LineStates();
    const QStringList editedLists = explorerLists();
    display::keyChord(QStringLiteral("ctrl+s"));
    ASSERT_TRUE(display::waitFor([] { return !gActiveDoc->Sci->send(QsciScintillaBase::SCI_GETMODIFY); }));

    restart();
    main->Text1_Change(homeFile(QStringLiteral("Main.bb")));
    ASSERT_TRUE(gActiveDoc);
    EXPECT_EQ(editedModel, model());
    EXPECT_EQ(DifferingLineStates(editedLines, LineStates()), "");
    EXPECT_EQ(editedLists.join(QLatin1Char('\n')).toStdString(), explorerLists().join(QLatin1Char('\n')).toStdString());
    // A long session may leave few declarations standing.
    if (!traced) {
        EXPECT_GT(editedLists.size(), 10);
    }
    shot(QStringLiteral("reopened"));
}
