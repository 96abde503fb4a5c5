#include "fuzz/HandlerEdits.h"

#include "language/lexer/InitScintillaAndCharTables.h"
#include "support/TestEnvironment.h"
#include "vocabulary/SettingsValues.h"

// The editing commands, the line and block commands and Replace All change
// the text by roads of their own; on each line of a program that declares
// something of every kind, with and without a selection, then undone and
// redone, the model must be what a fresh parse of the text makes.
namespace {

const QByteArray kProgram =
    "Global g0, g1 = 2\r\n"
    "Type T\r\n"
    "    Field a, b\r\n"
    "End Type\r\n"
    "Function AddPoint.T(px, py = 1)\r\n"
    "    Local d\r\n"
    "    If px Then Return d\r\n"
    "End Function\r\n"
    "Const c = 1 : Dim grid(4)\r\n"
    ".label\r\n";
constexpr int kLines = 10;

const char* const kCommands[] = {
    "Move Current Line Up", "Move Current Line Down", "Cut Current Line",     "Delete Current Line",
    "Copy Current Line",    "Paste",                  "Cut",                  "Delete",
    "Delete Word Left",     "Delete Word Right",      "Delete Line Left",     "Delete Line Right",
    "Comment Selection",    "UnComment Selection",    "Indent Selection",     "UnIndent Selection",
    "Block From Selection", "Complete Scope",         "Auto Indent Selection", "Auto Indent Function",
    "Convert To Upper Case", "Convert To Lower Case", "New Line",
};

class EditCommandsTest : public KorvoTest {
protected:
    void SetUp() override {
        KorvoTest::SetUp();
        InitScintillaAndCharTables();
        GetOptions();
        GetEditOptions();
        edits = std::make_unique<HandlerEdits>(home());
    }
    void TearDown() override {
        edits.reset();
        KorvoTest::TearDown();
    }

    void expectFreshModel(const EditScenario& scenario) {
        const std::string difference = edits->run(scenario);
        EXPECT_TRUE(difference.empty()) << difference;
    }

    std::unique_ptr<HandlerEdits> edits;
};

}

TEST_F(EditCommandsTest, EachCommandOnEachLineWithAndWithoutASelectionThenUndoneAndRedone) {
    for (const char* command : kCommands) {
        for (int line = 0; line < kLines; ++line) {
            for (const int selected : {0, 40}) {
                // A pasting command finds a line of the program on the clipboard.
                expectFreshModel({kProgram,
                                  {{Edit::Command, (line + 4) % kLines, 0, "Copy Current Line"},
                                   {Edit::Command, line, 2, command, selected},
                                   {Edit::Leave},
                                   {Edit::Undo},
                                   {Edit::Leave},
                                   {Edit::Redo},
                                   {Edit::Leave}}});
            }
        }
    }
}

TEST_F(EditCommandsTest, ReplaceAllOfDeclaringWordsAndNamesThenUndoneAndRedone) {
    const std::pair<const char*, const char*> replacements[] = {
        {"Function", "Funktion"}, {"End Function", "End"}, {"End Type", ""},   {"Type", "Global"},
        {"Field", "Local"},       {"Local", "Global"},     {"AddPoint", "Add"}, {"Global", "Field"},
        {"\r\n", " : "},          {"(", ""},               {"Const", "Dim"},    {"py", "px"},
    };
    for (const auto& [find, with] : replacements) {
        for (const int line : {0, 5}) {
            expectFreshModel({kProgram,
                              {{Edit::ReplaceAll, line, 0, find, 0, with},
                               {Edit::Leave},
                               {Edit::Undo},
                               {Edit::Leave},
                               {Edit::Redo},
                               {Edit::Leave}}});
        }
    }
}
