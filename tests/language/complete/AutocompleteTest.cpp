#include "editor/SciWrappers.h"
#include "language/colour/Colouring.h"
#include "language/complete/Autocomplete.h"
#include "language/complete/CompletionFlags.h"
#include "language/parser/ParsedDocuments.h"

#include "support/CompletionListWindow.h"

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
};

TEST_F(AutocompleteTest, AKeyThatKeepsTheSameNamesKeepsTheListItShows) {
    frmDoc& doc = parse("Global scores\r\nGlobal scorer\r\nGlobal scorpion\r\nGlobal lives\r\n\r\n");
    doc.resize(600, 400);
    doc.show();
    SciGotoPos(SciPositionFromLine(4));
    typeAtCaret("sc");
    QListWidget* list = ShownCompletionList();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->count(), 3);
    list->setProperty("seen", true);

    typeAtCaret("o");
    ASSERT_TRUE(SciAutoCActive());
    ASSERT_EQ(ShownCompletionList(), list);
    EXPECT_TRUE(list->property("seen").toBool());
    EXPECT_EQ(LastCompletionList(), QStringList({"scorer", "scores", "scorpion"}));

    // A name that no longer fits takes a list of its own.
    typeAtCaret("re");
    ASSERT_TRUE(SciAutoCActive());
    ASSERT_NE(ShownCompletionList(), nullptr);
    EXPECT_EQ(ShownCompletionList()->count(), 2);
    EXPECT_EQ(LastCompletionList(), QStringList({"scorer", "scores"}));
}
