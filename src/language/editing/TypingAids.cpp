#include "language/editing/TypingAids.h"

#include "editor/CurrentView.h"
#include "editor/DocumentLineEnds.h"
#include "editor/EditorSetup.h"
#include "editor/SciWrappers.h"
#include "editor/TargetRange.h"
#include "editor/frmDoc.h"
#include "foundation/errors/ErrorLog.h"
#include "language/editing/NotificationHandler.h"
#include "language/lexer/CharTables.h"
#include "language/parser/OwnEdits.h"
#include "language/parser/Parser.h"
#include "platform/scintilla/SciDirectCalls.h"
#include "vocabulary/StyleNumbers.h"

#include <QHash>

namespace {

bool isNameChar(int ch) {
    return gIsIdentChar[ch] || gIsSuffixChar[ch];
}

// Styles in which two signs are no operator on a name.
bool isLiteralStyle(long style) {
    switch (style) {
    case STYLE_Comment:
    case STYLE_Keyword:
    case STYLE_Number:
    case STYLE_String:
    case STYLE_Comment2:
    case STYLE_Function:
    case STYLE_Constant:
    case STYLE_Label:
        return true;
    default:
        return false;
    }
}

// Whether the text from the line's start up to end is inside a string or a
// comment; the styles may not have caught up with typing yet.
bool inStringOrComment(long lineStart, long end) {
    bool inString = false;
    for (long p = lineStart; p < end; ++p) {
        const int ch = SciGetCharAt(p);
        if (ch == '"')
            inString = !inString;
        else if (ch == ';' && !inString)
            return true;
    }
    return inString;
}

// The start of the operand that ends at p (inclusive), or -1 when what ends
// there is no name, element or suffixed name.
long operandStart(long p, long lineStart) {
    while (p >= lineStart) {
        if (isLiteralStyle(SciGetStyleAt(p)))
            return -1;
        while (p >= lineStart && isNameChar(SciGetCharAt(p)))
            --p;
        if (p < lineStart)
            break;
        const int ch = SciGetCharAt(p);
        if (gIsCloseBracket[ch]) {
            int depth = 0;
            for (; p >= lineStart; --p) {
                const int c = SciGetCharAt(p);
                if (gIsCloseBracket[c])
                    ++depth;
                else if (gIsBracket[c] && --depth == 0)
                    break;
            }
            if (p <= lineStart)
                return -1;
            --p;
            if (gIsBlank[SciGetCharAt(p)] && p > lineStart)
                --p;
            if (!isNameChar(SciGetCharAt(p)))
                return -1;
            continue;
        }
        if (gIsOperator[ch])
            return -1;
        break;
    }
    return p + 1;
}

// The parser copies each block-opening keyword it meets into gCapturedKeyword while this lives.
class KeywordCapture {
public:
    KeywordCapture() {
        gCapturedKeyword.clear();
        gCaptureKeyword = true;
    }
    ~KeywordCapture() { gCaptureKeyword = false; }
    KeywordCapture(const KeywordCapture&) = delete;
    KeywordCapture& operator=(const KeywordCapture&) = delete;
};

const QHash<QString, QByteArray>& closingKeywords() {
    static const QHash<QString, QByteArray> closing{
        {QStringLiteral("For"), "Next"},       {QStringLiteral("While"), "Wend"},
        {QStringLiteral("If"), "End IF"},      {QStringLiteral("Select"), "End Select"},
        {QStringLiteral("Function"), "End Function"}, {QStringLiteral("Type"), "End Type"},
        {QStringLiteral("Repeat"), "Forever"},
    };
    return closing;
}

}

void CopyIndentationToNewLine() {
    const long line = SciLineFromPosition(SciGetCurrentPos());
    if (line < 1)
        return;
    const long indent = SciGetLineIndentation(line - 1);
    if (indent < 1)
        return;
    OwnEdits own;
    SciSetLineIndentation(line, indent);
    SciGotoPos(SciGetLineIndentPosition(line));
}

void ExpandPlusPlus(long Pos, int Ch) {
    try {
        const long lineStart = SciPositionFromLine(SciLineFromPosition(Pos));
        if (Pos - 2 < lineStart)
            return;
        long p = Pos - 2;
        long start = Pos - 1;
        if (gIsBlank[SciGetCharAt(p)]) {
            start = p;
            --p;
        }
        if (p < lineStart || inStringOrComment(lineStart, start))
            return;
        const long nameStart = operandStart(p, lineStart);
        if (nameStart < 0 || nameStart >= start)
            return;
        const QByteArray name = SciGetTextRange(gSciWndData, nameStart, start);
        const QByteArray text = "=" + name + char(Ch) + "1";
        ReplaceTargetRange(start, Pos + 1, text);
        SciGotoPos(start + text.size());
    } catch (...) {
        SetErrorLog(QStringLiteral("ExpandPlusPlus"), QStringLiteral("Mod_Funkcii"));
    }
}

void InsertBlockEnd() {
    if (!IsEditorActive())
        return;
    {
        const KeywordCapture capture;
        NewLineInUndo();
        // The parse the next update would make of the line the caret left.
        gActiveDoc->m_oSubclass->DeactivateCheck();
    }
    const QByteArray closing = closingKeywords().value(gCapturedKeyword);
    if (closing.isEmpty())
        return;
    // Inside the line break's undo group, which the next update ends.
    SciInsertText(SciGetCurrentPos(), closing + DocumentLineEnd());
}

