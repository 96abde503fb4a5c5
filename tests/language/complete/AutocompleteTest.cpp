#include "editor/SciWrappers.h"
#include "language/colour/Colouring.h"
#include "language/complete/Autocomplete.h"
#include "language/complete/CompletionFlags.h"
#include "language/parser/ParsedDocuments.h"

#include <QApplication>
#include <QListWidget>

class AutocompleteTest : public ParsedDocumentsTest {
protected:
    void TearDown() override {
        SciAutoCCancel();
        gCharAdded = gAutoCForced = gAutoCCommand = gAutoCShown = false;
        ParsedDocumentsTest::TearDown();
    }

    // Types a character at the caret as a key does, and lets the caret line's colouring run its completion.
    void typeAtCaret(const char* text) {
        SciReplaceSel(QByteArray(text));
        gCharAdded = true;
        gAutoCShown = false;
        ColorCurrentLine(static_cast<int>(SciLineFromPosition(SciGetCurrentPos())), false);
    }

    // The component's list window, when exactly one shows names; it leaves
    // the windows of lists it replaced behind, emptied.
    static QListWidget* shownList() {
        QListWidget* shown = nullptr;
        for (QWidget* widget : QApplication::allWidgets())
            if (auto* list = qobject_cast<QListWidget*>(widget); list && list->isVisible() && list->count() > 0) {
                if (shown)
                    return nullptr;
                shown = list;
            }
        return shown;
    }
};

TEST_F(AutocompleteTest, AKeyThatKeepsTheSameNamesKeepsTheListItShows) {
    frmDoc& doc = parse("Global scores\r\nGlobal scorer\r\nGlobal scorpion\r\nGlobal lives\r\n\r\n");
    doc.resize(600, 400);
    doc.show();
    SciGotoPos(SciPositionFromLine(4));
    typeAtCaret("sc");
    QListWidget* list = shownList();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->count(), 3);
    list->setProperty("seen", true);

    typeAtCaret("o");
    ASSERT_TRUE(SciAutoCActive());
    ASSERT_EQ(shownList(), list);
    EXPECT_TRUE(list->property("seen").toBool());
    EXPECT_EQ(LastCompletionList(), QStringList({"scorer", "scores", "scorpion"}));

    // A name that no longer fits takes a list of its own.
    typeAtCaret("re");
    ASSERT_TRUE(SciAutoCActive());
    ASSERT_NE(shownList(), nullptr);
    EXPECT_EQ(shownList()->count(), 2);
    EXPECT_EQ(LastCompletionList(), QStringList({"scorer", "scores"}));
}
