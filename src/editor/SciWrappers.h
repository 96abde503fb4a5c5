#pragma once

#include "platform/scintilla/SciTypes.h"

#include <QByteArray>
#include <QString>

// One wrapper per Scintilla message, each addressing the current view
// (gSciWndData, editor/CurrentView.h) and sending exactly that message. A
// wrapper's name spells its message: SciGetCurrentPos sends
// SCI_GETCURRENTPOS. The wrappers that only send their message come from
// the rows of editor/SciMessages.inc; those below them add a little logic. Numbers are positions and lengths in bytes, 0-based
// lines, flags, colours as 0x00BBGGRR, marker and style numbers; callers ask
// IsEditorActive before they rely on a view being there.

// A text argument as the view takes it: 8-bit bytes, one per character.
// A QString converts to Windows-1252; bytes pass unchanged.
class SciTextArg {
public:
    SciTextArg(const char* text) : bytes_(text) {}
    SciTextArg(const QByteArray& bytes) : bytes_(bytes) {}
    SciTextArg(const QString& text);

    const QByteArray& bytes() const { return bytes_; }

private:
    QByteArray bytes_;
};

// The range and text of SciGetTextRange. cpMax of -1 stands for the end of
// the document.
struct TextRange {
    long cpMin = 0;
    long cpMax = 0;
    QByteArray lpstrText;
};

// Shared by every caller of SciGetTextRange; each fills it, reads it and is
// done with it before it calls anything else that uses it.
extern TextRange gTextRange;

#define SCI_WRAPPER(Result, Name, Message, Parameters, Arguments) Result Name Parameters;
#include "editor/SciMessages.inc"
#undef SCI_WRAPPER

// Copies the line's bytes, line end included, into the buffer, cut at its
// capacity, and returns the number of bytes copied.
long SciGetLine(long line, char* buffer, long capacity);
long SciGetLine(long line, unsigned char* buffer, long capacity);
// The line's bytes, line end included, sized from the line's length.
QByteArray SciGetLineText(long line);
// The byte at the position, 0 to 255.
int SciGetCharAt(sptr_t position);
// Deletes each of the line's markers of that number: a line holds as many as
// were added to it and as came to it from lines joined to it.
void SciMarkerDeleteEvery(long line, int marker);
// Fills lpstrText with exactly the bytes of the range, which is first kept
// within the document.
void SciGetTextRange(TextRange& range);
QByteArray SciGetSelText();

// Target search and replace. A length of -1 takes the text up to its first
// NUL; a longer length than the text is cut to the text.
void SciReplaceTarget(sptr_t length, const SciTextArg& text);
sptr_t SciSearchInTarget(sptr_t length, const SciTextArg& text);
// Replaces Length characters from Start by Text through the target, as one
// undoable step; a failure goes to the error log.
void ReplaceRange(long Start, const QString& Text, long Length);
