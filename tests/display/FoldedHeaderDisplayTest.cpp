#include "display/DisplayInput.h"
#include "display/EditedWindowFixture.h"

#include "editor/ActiveDocument.h"
#include "editor/frmDoc.h"
#include "language/editing/NotificationHandler.h"
#include "vocabulary/Markers.h"

#include <QApplication>
#include <QFile>

#include <Qsci/qsciscintillabase.h>

// A file whose editor block folds its first or its last block, opened with
// the compiler's keywords; the folded header's line deleted, cut, selected
// and deleted, joined to the line above or moved with the real keyboard.
// Korvo keeps running, no line stays hidden without its folded header, and
// the text's fold levels are those a fresh open of it gives.
namespace {

using S = QsciScintillaBase;

struct FoldedFile {
    const char* name;
    QByteArray text;
    int header;  // the folded line
};

const FoldedFile kFiles[] = {
    {"a Function on line 1",
     "Function F()\r\n  Local a\r\nEnd Function\r\nPrint 1\r\n\r\n;~Korvo Editor Parameters:\r\n;~F#0", 0},
    {"a Type on line 1", "Type T\r\n  Field a\r\nEnd Type\r\nPrint 1\r\n\r\n;~Korvo Editor Parameters:\r\n;~F#0", 0},
    {"a block on line 1", ";[Block\r\nGlobal g\r\n;[End\r\nPrint 1\r\n\r\n;~Korvo Editor Parameters:\r\n;~F#0", 0},
    {"a Function last", "Print 1\r\nFunction F()\r\n  Local a\r\nEnd Function\r\n\r\n;~Korvo Editor Parameters:\r\n;~F#1", 1},
    {"a Type last", "Print 1\r\nType T\r\n  Field a\r\nEnd Type\r\n\r\n;~Korvo Editor Parameters:\r\n;~F#1", 1},
    {"a block last", "Print 1\r\n;[Block\r\nGlobal g\r\n;[End\r\n\r\n;~Korvo Editor Parameters:\r\n;~F#1", 1},
};

struct HeaderEdit {
    const char* name;
    std::vector<const char*> chords;  // from the start of the header's line
};

const HeaderEdit kEdits[] = {
    {"Delete Current Line", {"ctrl+shift+l"}},
    {"Cut Current Line", {"ctrl+l"}},
    {"the line selected and deleted", {"shift+Down", "Delete"}},
    {"joined to the line above", {"BackSpace"}},
    {"joined with Delete at the end of the line above", {"Up", "End", "Delete"}},
    {"moved up", {"alt+Up"}},
    {"moved down", {"alt+Down"}},
};

class FoldedHeaderDisplay : public EditedWindowTest {
protected:
    // Each line's fold level and whether it opens a fold.
    static std::string folds() {
        std::string text;
        for (long line = 0; line < send(S::SCI_GETLINECOUNT); ++line) {
            const long level = send(S::SCI_GETFOLDLEVEL, line);
            text += std::to_string(line) + ": " + std::to_string(level & S::SC_FOLDLEVELNUMBERMASK) +
                    (level & S::SC_FOLDLEVELHEADERFLAG ? " header" : "") + "\n";
        }
        return text;
    }

    // The first hidden line that no folded header shown above holds, -1 when none is.
    static long unheldHiddenLine() {
        long holder = -1;
        long holderLevel = 0;
        for (long line = 0; line < send(S::SCI_GETLINECOUNT); ++line) {
            const long level = send(S::SCI_GETFOLDLEVEL, line);
            if (send(S::SCI_GETLINEVISIBLE, line)) {
                holder = (level & S::SC_FOLDLEVELHEADERFLAG) && !send(S::SCI_GETFOLDEXPANDED, line) ? line : -1;
                holderLevel = level & S::SC_FOLDLEVELNUMBERMASK;
            } else if (holder < 0 || (level & S::SC_FOLDLEVELNUMBERMASK) <= holderLevel) {
                return line;
            }
        }
        return -1;
    }
};

}

TEST_F(FoldedHeaderDisplay, AFoldedHeaderDeletedCutJoinedOrMovedLeavesTheFoldsAFreshOpenShows) {
    if (!QFile::exists(QStringLiteral(KORVO_CORPUS_DIR "/keywords.txt")))
        GTEST_SKIP() << "no corpus keywords";
    int opened = 0;
    for (const FoldedFile& file : kFiles) {
        for (const HeaderEdit& edit : kEdits) {
            const std::string what = std::string(file.name) + ", " + edit.name;
            openDocument(QStringLiteral("Folded%1.bb").arg(opened++), file.text);
            ASSERT_FALSE(send(S::SCI_GETLINEVISIBLE, file.header + 1)) << what;
            QWidget* view = editorViewport();
            ASSERT_TRUE(display::click(*view, QPoint(view->width() / 2, view->height() - 10))) << what;
            display::keyChord(QStringLiteral("ctrl+Home"));
            if (file.header > 0)
                display::keyChord(QStringLiteral("Down"));
            display::keyChord(QStringLiteral("Home"));
            for (const char* chord : edit.chords)
                display::keyChord(QString::fromLatin1(chord));
            display::keyChord(QStringLiteral("ctrl+End"));
            ASSERT_TRUE(display::waitFor(settled)) << what;
            view->repaint();
            if (opened == 1)
                shot(QStringLiteral("edited"));
            const QByteArray text = editorText();
            const std::string edited = folds();
            EXPECT_EQ(unheldHiddenLine(), -1) << what;

            openDocument(QStringLiteral("Fresh%1.bb").arg(opened), text);
            EXPECT_EQ(edited, folds()) << what << "\n" << text.toStdString();
        }
    }
}
