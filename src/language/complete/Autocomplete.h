#pragma once

#include <QString>
#include <QStringList>

struct ClsType;

// Scintilla's completion lists for the word at the caret of the current
// view, from the active code model and the active keywords. The caret line's
// colouring decides when a list is due; each procedure builds its list,
// shows it when it holds anything and records the attempt in gAutoCShown.

// Keywords, variables, arrays, functions and constants.
void Autocomplete();
// The project's types.
void AutocompleteType();
// The project's labels.
void AutocompleteLabel();
// The fields of Type whose names begin with Typed.
void AutocompleteBackSlash(const ClsType& Type, const QString& Typed);

// The "Show Autocomplete" command: a list for the context at the caret,
// without the thresholds of the lists that open while typing.
void ShowAutocomplete();

// The usual condition for a list at a name that ends at Position: the
// caret stands right after it, no list was attempted in this colouring yet,
// and a list is shown or a character was just typed.
bool CompletionDueAt(long Position);

// The entries of the list shown last.
const QStringList& LastCompletionList();
