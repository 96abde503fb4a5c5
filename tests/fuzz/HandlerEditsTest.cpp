#include "fuzz/HandlerEdits.h"

#include "language/lexer/InitScintillaAndCharTables.h"
#include "support/TestEnvironment.h"
#include "vocabulary/SettingsValues.h"

#include <QDir>
#include <QFile>

// Edits through the notification handler on a shown view, each named after
// what it does; the model must then be what a fresh parse of the text makes.
namespace {

class HandlerEditsTest : public KorvoTest {
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

const QByteArray kAddPoint = "Global g0\r\nFunction AddPoint.Point(px, py)\r\n    Local d\r\nEnd Function\r\n";

TEST_F(HandlerEditsTest, EnterAtColumn0OfAFunctionLine) {
    expectFreshModel({kAddPoint, {{Edit::Enter, 1, 0}}});
}

TEST_F(HandlerEditsTest, TwoGlobalsPastedAtColumn0OfAGlobalLine) {
    expectFreshModel({"Global g0\r\n", {{Edit::Paste, 0, 0, "Global p1\r\nGlobal p2\r\n"}}});
}

TEST_F(HandlerEditsTest, CutLineAboveAFunctionThenUndo) {
    expectFreshModel({"x = 1\r\n\r\n" + kAddPoint, {{Edit::CutLine, 1}, {Edit::Undo}, {Edit::Redo}, {Edit::Undo}}});
}

TEST_F(HandlerEditsTest, EnterAtColumn0OfAFunctionLineThenItsLineCut) {
    expectFreshModel({kAddPoint, {{Edit::Enter, 1, 0}, {Edit::CutLine, 2}}});
}

const QByteArray kParameterBlockAfterAnEmptyLine = "Print 1\r\n\r\n;~Korvo Editor Parameters:\r\n;~C#X\r\n";

TEST_F(HandlerEditsTest, EnterAtTheEndOfAFileWhoseParameterBlockFollowsAnEmptyLine) {
    expectFreshModel({kParameterBlockAfterAnEmptyLine, {{Edit::Enter, 9, 255}}});
}

TEST_F(HandlerEditsTest, TypingAtTheEndOfAFileWhoseParameterBlockFollowsAnEmptyLine) {
    expectFreshModel({kParameterBlockAfterAnEmptyLine, {{Edit::Type, 9, 255, "Global z"}, {Edit::Leave}}});
}

TEST_F(HandlerEditsTest, AUseOfAGlobalTypedBelowAnOrphanFieldOfThatNameInOtherCase) {
    expectFreshModel({"Field f0\r\nGlobal F0\r\nx = 1\r\n", {{Edit::Type, 2, 255, " : f0 = 1"}, {Edit::Leave}}});
}

TEST_F(HandlerEditsTest, PastesAndCutsAroundAnOrphanFieldAboveAType) {
    const QByteArray orphan = "Field a\r\nType T\r\nEnd Type\r\n";
    expectFreshModel({orphan, {{Edit::Paste, 0, 0, "x\r\ny\r\n"}}});
    expectFreshModel({orphan, {{Edit::Paste, 1, 0, "x\r\ny\r\n"}}});
    expectFreshModel({orphan, {{Edit::Paste, 0, 0, "Type S\r\nEnd Type\r\n"}, {Edit::Undo}}});
    expectFreshModel({"Type S\r\nEnd Type\r\n" + orphan, {{Edit::CutLine, 1}, {Edit::Undo}}});
}

TEST_F(HandlerEditsTest, ATypeHeaderAfterAnOrphanFieldOnItsLineEditedOrPastedOn) {
    expectFreshModel({"x = 1\r\nField f# Type Ship\r\n", {{Edit::Type, 1, 255, "X"}, {Edit::Leave}}});
    expectFreshModel({"x = 1\r\nField f# Type Ship\r\n", {{Edit::Paste, 1, 255, "X\r\nField a\r\n"}}});
    expectFreshModel({"x = 1\r\nField f# : Type Ship\r\n", {{Edit::Enter, 0, 255}}});
}

TEST_F(HandlerEditsTest, LocalBeforeEndFunctionAndAFunctionHeaderOnOneLine) {
    expectFreshModel({"x = 1\r\n", {{Edit::Type, 0, 0, "Local f[3] : End Function : Function a()"}, {Edit::Leave}}});
    expectFreshModel({"x = 1\r\n", {{Edit::Paste, 0, 0, "Local f[3] : Function a()\r\nLocal g\r\n"}}});
    expectFreshModel({"Function b(p)\r\nx = 1\r\nLocal y\r\nEnd Function\r\n",
                      {{Edit::Type, 1, 0, "Local f : Function a()"}, {Edit::Leave}}});
}

TEST_F(HandlerEditsTest, AFunctionWordInsideAnInitialiserOpenOrBracketed) {
    expectFreshModel({"local b = 1 Function a() : \r\n", {}});
    expectFreshModel({"x = 1\r\n", {{Edit::Type, 0, 255, " : Local b = 1 Function a()"}, {Edit::Leave}}});
    expectFreshModel({"\r\n", {{Edit::Type, 1, 0, "Const p=()"}, {Edit::Backspace, 1, 255},
                                 {Edit::Paste, 1, 255, ":Function b\r\n\r\n\r\n"}, {Edit::Type, 4, 255, ""}}});
}

TEST_F(HandlerEditsTest, AFieldBeforeATypeHeaderOnOneLineInsideAnOpenType) {
    expectFreshModel({"Type p\r\n", {{Edit::Paste, 11, 255, "Field T:Type T\r\n\r\n\r\n"}}});
    expectFreshModel({"\r\n\r\nType p\r\n\r\n\r\n\r\nField T\tType f\r\n", {{Edit::CutLine, 5}}});
}

TEST_F(HandlerEditsTest, AFieldPastedOnTheLineAboveATypeNotClosedBeforeTheEnd) {
    expectFreshModel({"\r\n\r\n\r\n\r\n\r\nType p\r\n", {{Edit::Paste, 4, 255, "\r\nField b"}}});
    expectFreshModel({"\r\n\r\n\r\n\r\n\r\n\r\n\r\nType T\r\n", {{Edit::Paste, 6, 5, "\r\n\r\nField a"}}});
}

TEST_F(HandlerEditsTest, AConstantNamedFunctionPastedThenALetterDeleted) {
    expectFreshModel({"\r\n\r\n", {{Edit::Paste, 1, 0, "\r\n\r\nConst Function\tP\r\n"}, {Edit::Delete, 3, 8}}});
}

// The empty line left is parsed, markers and all, as a fresh open parses it.
TEST_F(HandlerEditsTest, TheWholeTextDeletedThenTypedOrUndone) {
    expectFreshModel({"local p", {{Edit::CutLine, 0}, {Edit::Undo}}});
    expectFreshModel({"local p\r\n", {{Edit::Backspace, 1, 0}, {Edit::CutLine, 0}, {Edit::Undo}}});
    expectFreshModel({"\r\n", {{Edit::Backspace, 1, 0}, {Edit::Type, 0, 0, "Function T"}}});
    expectFreshModel({"\r\n", {{Edit::Type, 0, 0, "Function b"}, {Edit::CutLine, 0}, {Edit::Cut, 0, 0, {}, 32}, {Edit::Undo}}});
    EditScenario erased{"Global g", {{Edit::Type, 0, 255, "x"}}};
    erased.steps.insert(erased.steps.end(), 9, {Edit::Backspace, 0, 255});
    erased.steps.push_back({Edit::Type, 0, 0, "Local h"});
    expectFreshModel(erased);
}

const QByteArray kParameterBlockAtTheTop =
    ";~Korvo Editor Parameters:\r\n;~C#X\r\nGlobal g\r\nFunction f()\r\n    Local a\r\nEnd Function\r\n";

TEST_F(HandlerEditsTest, EditsOnTheLineAParameterBlockAtTheTopLeaves) {
    expectFreshModel({kParameterBlockAtTheTop, {{Edit::Enter, 0, 0}, {Edit::Enter, 1, 255}}});
    expectFreshModel({kParameterBlockAtTheTop, {{Edit::Type, 0, 0, "Global h"}, {Edit::Leave}, {Edit::Undo}}});
    expectFreshModel({kParameterBlockAtTheTop, {{Edit::CutLine, 0}, {Edit::Undo}, {Edit::Redo}}});
    expectFreshModel({kParameterBlockAtTheTop, {{Edit::Paste, 0, 0, "Function h()\r\n"}, {Edit::Backspace, 1, 0}}});
}

TEST_F(HandlerEditsTest, AFunctionHeaderAfterEndFunctionOnOneLineReparsed) {
    expectFreshModel({"Function b()\r\nEnd Function : Function a()\r\nLocal x\r\n", {{Edit::Type, 1, 255, " "}, {Edit::Leave}}});
    expectFreshModel({"Function b()\r\nLocal y\r\nx = 1\r\nLocal x\r\nEnd Function\r\n",
                      {{Edit::Type, 2, 0, "End Function : Function a() : "}, {Edit::Leave}}});
}

TEST_F(HandlerEditsTest, ALocalAfterEndFunctionOnItsLineReparsedOrTypedBeforeAnother) {
    expectFreshModel({"Function f()\r\nLocal a\r\nEnd Function : Local x\r\nLocal b\r\n", {{Edit::Type, 2, 255, " "}, {Edit::Leave}}});
    expectFreshModel({"Function f()\r\nLocal a\r\nx = 1\r\nLocal b\r\n", {{Edit::Type, 2, 0, "End Function : Local x"}, {Edit::Leave}}});
}

TEST_F(HandlerEditsTest, AHeaderTypedBelowALineOfTwoFunctionsOfOneNameTakesTheLocalsBelowIt) {
    expectFreshModel({"Function b() : Function b()\r\n\r\nLocal f\r\n", {{Edit::Type, 1, 0, "Function a()"}, {Edit::Leave}}});
    expectFreshModel({"Type T : End Type : Type T\r\n\r\nField f\r\nEnd Type\r\n", {{Edit::Type, 1, 0, "End Type"}, {Edit::Leave}}});
}

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

}

TEST_F(HandlerEditsTest, EachCommandOnEachLineWithAndWithoutASelectionThenUndoneAndRedone) {
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

TEST_F(HandlerEditsTest, ReplaceAllOfDeclaringWordsAndNamesThenUndoneAndRedone) {
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

// A file whose editor block folds its first or its last block: the header's
// line deleted, cut, joined or moved must show the lines it hid, the model
// must be a fresh parse's, and the view must paint.
namespace {

const QByteArray kFoldedAtTheTop[] = {
    "Function F()\r\n  Local a\r\nEnd Function\r\nPrint 1\r\n\r\n;~Korvo Editor Parameters:\r\n;~F#0",
    "Type T\r\n  Field a\r\nEnd Type\r\nPrint 1\r\n\r\n;~Korvo Editor Parameters:\r\n;~F#0",
    ";[Block\r\nGlobal g\r\n;[End\r\nPrint 1\r\n\r\n;~Korvo Editor Parameters:\r\n;~F#0",
};
const QByteArray kFoldedAtTheEnd[] = {
    "Print 1\r\nFunction F()\r\n  Local a\r\nEnd Function\r\n\r\n;~Korvo Editor Parameters:\r\n;~F#1",
    "Print 1\r\nType T\r\n  Field a\r\nEnd Type\r\n\r\n;~Korvo Editor Parameters:\r\n;~F#1",
    "Print 1\r\n;[Block\r\nGlobal g\r\n;[End\r\n\r\n;~Korvo Editor Parameters:\r\n;~F#1",
};
const QByteArray kNestedFolds =
    "Function F()\r\n  ;[Block\r\n  Local a\r\n  ;[End\r\nEnd Function\r\nPrint 1\r\n\r\n"
    ";~Korvo Editor Parameters:\r\n;~F#0#1";

// The length of the line with its line end, for selecting it whole from its start.
int wholeLine(const QByteArray& document, int line) {
    qsizetype start = 0;
    for (int n = 0; n < line; ++n)
        start = document.indexOf("\r\n", start) + 2;
    return int(document.indexOf("\r\n", start) + 2 - start);
}

}

TEST_F(HandlerEditsTest, AFoldedHeaderOnTheFirstLineDeletedCutJoinedOrMoved) {
    for (const QByteArray& document : kFoldedAtTheTop) {
        const std::vector<EditScenario> scenarios = {
            {document, {{Edit::Command, 0, 0, "Delete Current Line"}, {Edit::Leave}, {Edit::Undo}, {Edit::Leave}}},
            {document, {{Edit::CutLine, 0}, {Edit::Undo}, {Edit::Redo}}},
            {document, {{Edit::Command, 0, 0, "Delete", wholeLine(document, 0)}, {Edit::Leave}, {Edit::Undo}}},
            {document, {{Edit::Delete, 0, 255}, {Edit::Leave}, {Edit::Undo}}},
            {document, {{Edit::Backspace, 3, 0}, {Edit::Leave}, {Edit::Undo}}},
            {document, {{Edit::Command, 0, 0, "Move Current Line Down"}, {Edit::Leave}, {Edit::Undo}, {Edit::Leave}}},
            {document, {{Edit::Command, 3, 0, "Move Current Line Up"}, {Edit::Leave}, {Edit::Undo}, {Edit::Leave}}},
            {document, {{Edit::Type, 0, 0, "; "}, {Edit::Leave}, {Edit::FoldClick, 0}, {Edit::Undo}}},
        };
        for (const EditScenario& scenario : scenarios)
            expectFreshModel(scenario);
    }
}

TEST_F(HandlerEditsTest, AFoldedHeaderOnTheLastBlockDeletedCutJoinedOrMoved) {
    for (const QByteArray& document : kFoldedAtTheEnd) {
        const std::vector<EditScenario> scenarios = {
            {document, {{Edit::Command, 1, 0, "Delete Current Line"}, {Edit::Leave}, {Edit::Undo}, {Edit::Leave}}},
            {document, {{Edit::CutLine, 1}, {Edit::Undo}, {Edit::Redo}}},
            {document, {{Edit::Command, 1, 0, "Delete", wholeLine(document, 1)}, {Edit::Leave}, {Edit::Undo}}},
            {document, {{Edit::Backspace, 1, 0}, {Edit::Leave}, {Edit::Undo}}},
            {document, {{Edit::Delete, 0, 255}, {Edit::Leave}, {Edit::Undo}}},
            {document, {{Edit::Command, 1, 0, "Move Current Line Up"}, {Edit::Leave}, {Edit::Undo}, {Edit::Leave}}},
            {document, {{Edit::Command, 1, 0, "Move Current Line Down"}, {Edit::Leave}, {Edit::Undo}, {Edit::Leave}}},
        };
        for (const EditScenario& scenario : scenarios)
            expectFreshModel(scenario);
    }
}

TEST_F(HandlerEditsTest, FoldsToggledAndClickedThenTheirHeadersEdited) {
    expectFreshModel({kNestedFolds, {{Edit::CutLine, 0}, {Edit::FoldClick, 0}, {Edit::Undo}, {Edit::Fold, 1}}});
    expectFreshModel({kNestedFolds, {{Edit::FoldClick, 0}, {Edit::Fold, 2}, {Edit::Fold, 0}, {Edit::CutLine, 1},
                                     {Edit::Undo}, {Edit::Redo}}});
    expectFreshModel({kNestedFolds, {{Edit::FoldClick, 0}, {Edit::Type, 1, 2, "x"}, {Edit::Leave}, {Edit::Undo}}});
    expectFreshModel({kNestedFolds, {{Edit::Command, 0, 0, "Comment Selection", 60}, {Edit::Leave}, {Edit::Undo}}});
    expectFreshModel({kFoldedAtTheTop[0], {{Edit::Type, 0, 0, "x"}, {Edit::Backspace, 0, 1}, {Edit::Leave}}});
}

TEST_F(HandlerEditsTest, LinesPastedAtTheEndOfAFoldedLastBlock) {
    expectFreshModel({"Function Ship()\r\nx : Function\r\nEnd Type\r\n",
                      {{Edit::FoldClick, 0}, {Edit::Paste, 4, 23, "Function?keep\r\nFunction b%(a)\r\nFor T = 1 To 3\r\n"}}});
}

// The fuzz target starts from these: each must hold as it stands.
TEST_F(HandlerEditsTest, TheSeedsOfTheFuzzTarget) {
    const QDir seeds(QStringLiteral(KORVO_SOURCE_DIR "/tests/fuzz/edit-seeds"));
    ASSERT_GE(seeds.entryList(QDir::Files).size(), 4);
    for (const QString& name : seeds.entryList(QDir::Files)) {
        QFile file(seeds.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        const QByteArray bytes = file.readAll();
        EditScenario scenario =
            EditScenarioFromBytes(reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size()));
        scenario.lineStates = true;
        EXPECT_GE(scenario.steps.size(), 7u) << name.toStdString();
        expectFreshModel(scenario);
    }
}

// A name the colouring respells to a declaration of another line: the record
// takes the spelling the line then has.
TEST_F(HandlerEditsTest, ALocalTypedBelowAHeaderWhoseNameItRespellsThenUndone) {
    expectFreshModel({"Function keep%(a, b$)\r\n",
                      {{Edit::Backspace, 14, 0},
                       {Edit::Enter, 11, 1},
                       {Edit::Type, 1, 0, "Local keep : Local f"},
                       {Edit::Enter, 8, 255},
                       {Edit::Undo}}});
}

TEST_F(HandlerEditsTest, TheInputsTheFuzzTargetFoundNamesRespelledOnTheirDeclaringLines) {
    for (const char* name : {"names-respelled-by-the-colouring-on-lines-that-declare-them",
                             "a-local-respelled-as-the-header-word-joined-to-it-then-undone"}) {
        QFile file(QStringLiteral(KORVO_SOURCE_DIR "/tests/fuzz/edit-seeds/") + QLatin1String(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        const QByteArray bytes = file.readAll();
        EditScenario scenario =
            EditScenarioFromBytes(reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size()));
        scenario.lineStates = true;
        expectFreshModel(scenario);
    }
}

// Lines commented and uncommented, or moved and the move undone, about
// two functions: the markers and fold levels are a fresh parse's too, so
// that no End Function line keeps the main program's marker.
namespace {

const QByteArray kTwoFunctions = "Global g\r\nFunction F(a)\r\n    Local b\r\n    b = a\r\nEnd Function\r\n"
                                 "x = 1\r\nFunction G()\r\nEnd Function\r\nPrint x\r\n";
constexpr int kTwoFunctionsLines = 9;

// From the start of line `first` to the end of line `last`, or past its line end.
int selectedLines(int first, int last, bool withLineEnd) {
    int length = 0;
    for (int line = first; line <= last; ++line)
        length += wholeLine(kTwoFunctions, line);
    return withLineEnd ? length : length - 2;
}

}

TEST_F(HandlerEditsTest, EveryRunOfLinesCommentedThenUncommented) {
    for (int first = 0; first < kTwoFunctionsLines; ++first) {
        for (int last = first; last < kTwoFunctionsLines; ++last) {
            for (const bool withLineEnd : {false, true}) {
                const int selected = selectedLines(first, last, withLineEnd);
                EditScenario together{kTwoFunctions,
                                      {{Edit::Command, first, 0, "Comment Selection", selected},
                                       {Edit::Command, first, 0, "UnComment Selection", selected},
                                       {Edit::Leave},
                                       {Edit::Undo},
                                       {Edit::Leave},
                                       {Edit::Undo},
                                       {Edit::Leave}}};
                expectFreshModel(together);
                EditScenario apart{kTwoFunctions,
                                   {{Edit::Command, first, 0, "Comment Selection", selected},
                                    {Edit::Leave},
                                    {Edit::Command, first, 0, "UnComment Selection", selected},
                                    {Edit::Leave}}};
                expectFreshModel(apart);
            }
        }
    }
}

TEST_F(HandlerEditsTest, EachLineMovedUpOrDownThenTheMoveUndone) {
    for (int line = 0; line < kTwoFunctionsLines; ++line) {
        for (const char* move : {"Move Current Line Up", "Move Current Line Down"}) {
            expectFreshModel({kTwoFunctions, {{Edit::Command, line, 0, move}, {Edit::Undo}, {Edit::Leave}}});
            expectFreshModel({kTwoFunctions, {{Edit::Command, line, 0, move}, {Edit::Leave}, {Edit::Undo}, {Edit::Leave}}});
            expectFreshModel({kTwoFunctions,
                              {{Edit::Command, line, 0, move}, {Edit::Command, line, 0, move}, {Edit::Undo},
                               {Edit::Undo}, {Edit::Redo}},
                              });
        }
    }
}

// Backspace on a line hidden in a folded function joins a folded block's
// header to the line above; the caret's line shows the function's block first.
TEST_F(HandlerEditsTest, AHiddenFoldedHeaderJoinedToTheLineAboveIt) {
    expectFreshModel({"Function a()\r\n;[Block\r\nLocal a\r\n;[End\r\nFunction x()\r\n\r\n;~Korvo Editor Parameters:\r\n;~F#1",
                      {{Edit::Enter, 0, 255}, {Edit::Fold, 1}, {Edit::Backspace, 2, 0}, {Edit::Leave}, {Edit::Undo}}});
    QFile file(QStringLiteral(KORVO_SOURCE_DIR "/tests/fuzz/edit-seeds/a-hidden-folded-header-joined-to-the-line-above"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    expectFreshModel(
        EditScenarioFromBytes(reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size())));
}

// The document tells of leaving its save point while the pasted lines go in,
// before the view has placed them among the hidden ones.
TEST_F(HandlerEditsTest, LinesPastedAfterAFoldedHeaderAtTheSavePoint) {
    expectFreshModel({"Type T\r\nEnd Type\r\n\r\n;~Korvo Editor Parameters:\r\n;~F#0",
                      {{Edit::Paste, 0, 255, "\r\nFunction a()\r\n"}, {Edit::Undo}, {Edit::Redo}}});
}

// A line that opens a function and closes it too is no line of the main
// program, whatever closing line is typed above it.
TEST_F(HandlerEditsTest, AnEndFunctionTypedAboveAFunctionClosedOnItsOwnLine) {
    expectFreshModel({"\r\nFunction a()End Function\r\nPrint 1\r\n", {{Edit::Type, 0, 0, "End Function"}, {Edit::Leave}}});
    expectFreshModel({"\r\nFunction a()End Function : Function b()\r\nPrint 1\r\n",
                      {{Edit::Type, 0, 0, "End Function"}, {Edit::Leave}, {Edit::Undo}, {Edit::Leave}}});
    expectFreshModel({"\r\nEnd Function : Type T\r\nEnd Type\r\n", {{Edit::Type, 0, 0, "End Function"}, {Edit::Leave}}});
}

// The line below a function's line that opens a Type and closes the function
// takes the Type's level, as a fresh parse gives it, never one under the base.
TEST_F(HandlerEditsTest, ALineBelowAFunctionThatClosesOnItsLineLeavingATypeOpen) {
    expectFreshModel({"Function keep%(a, b$) Type T : End Function\r\n", {{Edit::Enter, 0, 255}, {Edit::Leave}}});
    expectFreshModel({"Function a() : End Function\r\nPrint 1\r\n", {{Edit::Type, 1, 0, "x"}, {Edit::Leave}}});
}

// A closing line typed while its function stood, then the header broken and
// made again: the folding marks the closing line as the main program's
// before its parse does, and the header's return takes that mark away whole.
TEST_F(HandlerEditsTest, AHeaderBrokenAndMadeAgainAboveAClosingLineJustTyped) {
    expectFreshModel({"Function a%(a, b$)\r\nPrint 1\r\n",
                      {{Edit::Type, 12, 0, "End Function"}, {Edit::Delete, 0, 7}, {Edit::Type, 0, 0, "Function a()"}}});
    expectFreshModel({"Function a%(a, b$)\r\nPrint 1\r\n",
                      {{Edit::Type, 12, 0, "End Function"}, {Edit::Delete, 0, 7}, {Edit::Leave}, {Edit::Undo}, {Edit::Redo},
                       {Edit::Type, 0, 0, "Function a()"}, {Edit::Leave}, {Edit::Undo}}});
}

// The function END makes the recolouring respell the keyword End after it;
// the line must still be read as ending a Type when it is next edited.
TEST_F(HandlerEditsTest, AGlobalAfterAnEndTypeRespelledAsAFunctionOfThatName) {
    expectFreshModel({"x\r\nEnd Type Global b\r\nFunction END\r\n", {{Edit::Type, 1, 255, "x"}, {Edit::Leave}}});
}
