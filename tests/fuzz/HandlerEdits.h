#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class ClsCompiler;

// Edits made on a shown view the way the user makes them, each reaching the
// notification handler through the view's own notifications. Whenever the
// caret has left the edited lines, the code model must be what a fresh
// parse of the text makes, and nothing may have been reported.
enum class Edit {
    Type,       // types the text at the place, key by key
    Enter,      // Enter (the "New Line" command) at the place
    Paste,      // puts the text in at the place in one piece
    Cut,        // cuts `count` characters from the place
    CutLine,    // Ctrl+L on the line
    Backspace,  // presses Backspace at the place
    Delete,     // presses Delete at the place
    Undo,
    Redo,
    Leave,      // takes the caret off the line it is on
    Fold,       // the "Toggle Fold" command with the caret on the line
    FoldClick,  // a click in the fold margin on the row of the line, or on a row shown when it is hidden
    // Steps that only the replay tests take, after every fuzzed kind:
    Command,     // runs the command whose key is the text, `count` characters from the place selected
    ReplaceAll,  // replaces every match of the text in the file by `with`, from the place
};

// The place is the line and the column, both kept inside the document; a
// column past the line's end is its end.
struct EditStep {
    Edit edit;
    int line = 0;
    int column = 0;
    QByteArray text{};
    int count = 0;
    QByteArray with{};
};

struct EditScenario {
    QByteArray document;  // CRLF lines, perhaps with an editor block that folds some
    std::vector<EditStep> steps;
    // Compares the parser's markers and the fold level of every line too;
    // the fuzz target's scenarios compare the model alone.
    bool lineStates = true;
};

// A scenario drawn from fuzzer bytes.
EditScenario EditScenarioFromBytes(const std::uint8_t* data, std::size_t size);

class HandlerEdits {
public:
    // Korvo must be started headless with its program folder at `folder`,
    // where the keyword listing and the documents are written.
    explicit HandlerEdits(const QString& folder);
    ~HandlerEdits();

    // "" when every comparison held; otherwise the scenario, the step and
    // both models.
    std::string run(const EditScenario& scenario);

private:
    QString folder_;
    std::unique_ptr<ClsCompiler> compiler_;
};
