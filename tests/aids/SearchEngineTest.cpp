#include "aids/FindFixture.h"

#include "editor/CurrentView.h"
#include "editor/SciWrappers.h"
#include "editor/frmDoc.h"
#include "platform/Prompt.h"
#include "shell/DocumentActivation.h"

namespace {

const QString kRegionSearched = QStringLiteral("The specified region has been searched.\r\n");
const QString kWrapQuestion = kRegionSearched + QStringLiteral("Would you like to continue searching from the top?");

class SearchEngineTest : public FindTest {
protected:
    void find(const QString& text, int scope = FindOptions::CurrentFile, int start = FindOptions::Cursor) {
        engine.Options.FindText = text;
        engine.Options.SearchIn = scope;
        engine.Options.StartAt = start;
        engine.OptionsChanged();
    }
    // The selection after each interactive Find Next that found something.
    QStringList findAll() {
        QStringList found;
        for (int guard = 0; guard < 20 && engine.FindNext(true); ++guard)
            found.append(selection());
        return found;
    }
};

TEST_F(SearchEngineTest, CursorWrapsOnlyWhenTheUserAgreesAndTopNeverAsks) {
    open(QStringLiteral("a.bb"), "ab ab ab");
    setCaret(0, 3);
    find(QStringLiteral("ab"));
    scriptButton(platform::vbYes);
    EXPECT_EQ(findAll(), (QStringList{"0:6-0:8", "0:0-0:2", "0:3-0:5"}));
    ASSERT_EQ(prompts.size(), 2);
    EXPECT_EQ(prompts[0].title, QStringLiteral("Korvo - Find"));
    EXPECT_EQ(prompts[0].text, kWrapQuestion);
    EXPECT_EQ(prompts[0].buttons, platform::vbYesNo);
    EXPECT_EQ(prompts[0].icon, platform::vbInformation);
    EXPECT_EQ(prompts[0].defaultButton, 1);
    EXPECT_EQ(messages()[1], QStringLiteral("Korvo - Search in Current File|Current file has been searched."));
    EXPECT_FALSE(engine.SequenceOpen());

    prompts.clear();
    setCaret(0, 3);
    find(QStringLiteral("ab"), FindOptions::CurrentFile, FindOptions::Top);
    EXPECT_EQ(findAll(), (QStringList{"0:0-0:2", "0:3-0:5", "0:6-0:8"}));
    EXPECT_EQ(messages(), QStringList{"Korvo - Search in Current File|Current file has been searched."});

    prompts.clear();
    setCaret(0, 3);
    find(QStringLiteral("ab"));
    EXPECT_EQ(findAll(), QStringList{"0:6-0:8"});
    EXPECT_EQ(prompts.size(), 2) << "No to the wrap question ends the search";
}

TEST_F(SearchEngineTest, ProjectScopeWalksTheProjectsOpenDocumentsOnce) {
    frmDoc* a = open(QStringLiteral("a.bb"), "Print\r\n");
    frmDoc* b = open(QStringLiteral("b.bb"), "Print\r\n");
    frmDoc* c = open(QStringLiteral("c.bb"), "Print\r\n");
    setCaret(0, 2);
    joinProject(QStringLiteral("game.kpf"), {a, b});
    activate(a);
    setCaret(0, 0);
    find(QStringLiteral("Print"), FindOptions::CurrentProject);
    EXPECT_TRUE(engine.FindNext(true));
    EXPECT_EQ(gActiveDoc, b);
    EXPECT_EQ(selection(), QStringLiteral("0:0-0:5"));
    EXPECT_EQ(gPreviousDocWindowKey, a->FullFilename);
    EXPECT_TRUE(engine.FindNext(true));
    EXPECT_EQ(gActiveDoc, a);
    EXPECT_EQ(selection(), QStringLiteral("0:0-0:5"));
    EXPECT_FALSE(engine.FindNext(true));
    EXPECT_EQ(messages(), QStringList{"Korvo - Search in Project|Current Project has been searched."});
    EXPECT_EQ(gActiveDoc, a);
    EXPECT_EQ(selection(), QStringLiteral("0:0-0:5"));
    {
        ScopedCurrentView other(*c);
        EXPECT_EQ(selection(), QStringLiteral("0:2-0:2"));
    }
    {
        ScopedCurrentView other(*b);
        EXPECT_EQ(selection(), QStringLiteral("0:0-0:0"));
    }

    prompts.clear();
    find(QStringLiteral("Print"), FindOptions::AllFiles);
    EXPECT_TRUE(engine.FindPrevious(true));
    EXPECT_EQ(gActiveDoc, c) << "backward from a, round to the last window";
}

TEST_F(SearchEngineTest, AWalkWhoseOriginClosedEndsAfterOnePass) {
    frmDoc* a = open(QStringLiteral("a.bb"), "ab");
    open(QStringLiteral("b.bb"), "ab");
    open(QStringLiteral("c.bb"), "ab");
    activate(a);
    setCaret(0, 0);
    find(QStringLiteral("ab"), FindOptions::AllFiles);
    ASSERT_TRUE(engine.FindNext(true));
    main->DS->documents().setVisible(main->DS->documents().item(a->FullFilename), false);
    int found = 0;
    while (found < 10 && engine.FindNext(true))
        ++found;
    EXPECT_LT(found, 10);
}

TEST_F(SearchEngineTest, ReplaceAllReplacesEachMatchOnceAsOneUndoAction) {
    open(QStringLiteral("a.bb"), "xa xa xa xa");
    setCaret(0, 4);
    find(QStringLiteral("a"));
    engine.Options.ReplaceText = QStringLiteral("aa");
    engine.ReplaceAll();
    EXPECT_EQ(text(), "xaa xaa xaa xaa");
    EXPECT_EQ(messages(), QStringList{"Korvo - Replace All|" + kRegionSearched + "4 replacements were made"});
    SciUndo();
    EXPECT_EQ(text(), "xa xa xa xa");

    prompts.clear();
    engine.Options.ReplaceText = QStringLiteral("a");
    engine.ReplaceAll();
    EXPECT_TRUE(prompts.isEmpty());
    EXPECT_EQ(text(), "xa xa xa xa");
}

TEST_F(SearchEngineTest, ReplaceAllInTheSelectionFollowsItsEnd) {
    open(QStringLiteral("a.bb"), "abc  abc  abc  abc");
    select(0, 0, 0, 13);
    find(QStringLiteral("abc"), FindOptions::Selection);
    engine.Options.ReplaceText = QStringLiteral("x");
    engine.ReplaceAll();
    EXPECT_EQ(text(), "x  x  x  abc");
    EXPECT_EQ(messages(), QStringList{"Korvo - Replace All|" + kRegionSearched + "3 replacements were made"});
    EXPECT_EQ(selection(), QStringLiteral("0:0-0:0"));

    open(QStringLiteral("b.bb"), "ab ab ab");
    select(0, 0, 0, 5);
    find(QStringLiteral("ab"), FindOptions::Selection);
    engine.Options.ReplaceText = QStringLiteral("abab");
    engine.ReplaceAll();
    EXPECT_EQ(text(), "abab abab ab") << "inserted text is not searched again";
}

TEST_F(SearchEngineTest, RegularExpressionsAndEmptyMatchesEnd) {
    open(QStringLiteral("a.bb"), "abbc abc");
    find(QStringLiteral("b+"), FindOptions::CurrentFile, FindOptions::Top);
    engine.Options.RegExp = true;
    engine.Options.ReplaceText = QStringLiteral("B");
    engine.ReplaceAll();
    EXPECT_EQ(text(), "aBc aBc");
    EXPECT_EQ(messages().value(0), "Korvo - Replace All|" + kRegionSearched + "2 replacements were made");

    open(QStringLiteral("b.bb"), "x\r\n\r\ny\r\n");
    prompts.clear();
    find(QStringLiteral("^$"));
    engine.Options.RegExp = true;
    engine.MarkAll();
    EXPECT_EQ(bookmarks(), (QList<long>{1, 3}));
    EXPECT_EQ(messages().value(0), "Korvo - Find & Mark All|" + kRegionSearched + "2 occurrences found. \r\n2 new marks added.");

    prompts.clear();
    find(QStringLiteral("x*"));
    engine.Options.RegExp = true;
    engine.MarkAll();
    EXPECT_EQ(prompts.size(), 1);
    engine.Options.ReplaceText = QStringLiteral("-");
    engine.ReplaceAll();
    EXPECT_EQ(prompts.size(), 2);
}

TEST_F(SearchEngineTest, MarkAllCountsEveryMatchAndMarksNewLines) {
    frmDoc* doc = open(QStringLiteral("a.bb"), "a a\r\nb\r\na\r\n");
    SciMarkerAdd(2, 4);
    doc->setDirty(false);
    select(1, 0, 1, 1);
    find(QStringLiteral("a"));
    engine.MarkAll();
    EXPECT_EQ(messages(), QStringList{"Korvo - Find & Mark All|" + kRegionSearched +
                                      "3 occurrences found. \r\n1 new marks added."});
    EXPECT_EQ(bookmarks(), (QList<long>{0, 2}));
    EXPECT_TRUE(doc->Dirty());
    EXPECT_EQ(selection(), QStringLiteral("1:0-1:1"));

    doc->setDirty(false);
    engine.MarkAll();
    EXPECT_FALSE(doc->Dirty()) << "every matching line had its mark";
}

TEST_F(SearchEngineTest, ASelectionQualifiesOnlyWhenTheSearchMatchesAllOfIt) {
    open(QStringLiteral("a.bb"), "Abc abc abcd");
    select(0, 0, 0, 3);
    find(QStringLiteral("abc"));
    engine.Options.MatchCase = true;
    engine.Options.ReplaceText = QStringLiteral("X");
    engine.Replace();
    EXPECT_EQ(text(), "Abc abc abcd");
    EXPECT_EQ(selection(), QStringLiteral("0:4-0:7"));
    engine.Replace();
    EXPECT_EQ(text(), "Abc X abcd");

    engine.Options.MatchCase = false;
    engine.Options.WholeWord = true;
    select(0, 6, 0, 9);
    engine.Replace();
    EXPECT_EQ(text(), "Abc X abcd") << "part of a word under Whole word only";
}

TEST_F(SearchEngineTest, FindPreviousWrapsToTheBottomAndSkipsTheSelectionScope) {
    open(QStringLiteral("a.bb"), "ab ab");
    setCaret(0, 4);
    find(QStringLiteral("ab"));
    scriptButton(platform::vbYes);
    EXPECT_TRUE(engine.FindPrevious(true));
    EXPECT_EQ(selection(), QStringLiteral("0:0-0:2"));
    EXPECT_TRUE(engine.FindPrevious(true));
    EXPECT_EQ(selection(), QStringLiteral("0:3-0:5"));
    EXPECT_EQ(messages(), QStringList{"Korvo - Find|Reached top of file\r\nWould you like to continue searching from the bottom?"});

    find(QStringLiteral("ab"), FindOptions::Selection);
    EXPECT_FALSE(engine.FindPrevious(true));
    EXPECT_EQ(selection(), QStringLiteral("0:3-0:5"));
}

TEST_F(SearchEngineTest, TextOutsideWindows1252FindsNothing) {
    open(QStringLiteral("a.bb"), "a?b");
    find(QStringLiteral("a\u0416b"), FindOptions::CurrentFile, FindOptions::Top);
    EXPECT_FALSE(engine.FindNext(true));
    find(QStringLiteral("\u00e9"), FindOptions::CurrentFile, FindOptions::Top);
    EXPECT_FALSE(engine.FindNext(true));
    EXPECT_EQ(prompts.size(), 2);
}

}
