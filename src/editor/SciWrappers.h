#pragma once

#include <QByteArray>
#include <QString>

// One wrapper per Scintilla message, each addressing the current view
// (gSciWndData, editor/CurrentView.h) and sending exactly that message. A
// wrapper's name spells its message: SciGetCurrentPos sends
// SCI_GETCURRENTPOS. Numbers are positions and lengths in bytes, 0-based
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

// Text, lines and positions.
long SciGetLength();
long SciGetLineCount();
// Copies the line's bytes, line end included, into the buffer, cut at its
// capacity, and returns the number of bytes copied.
long SciGetLine(long line, char* buffer, long capacity);
long SciGetLine(long line, unsigned char* buffer, long capacity);
// The line's bytes, line end included, sized from the line's length.
QByteArray SciGetLineText(long line);
// The byte at the position, 0 to 255.
int SciGetCharAt(long position);
long SciGetStyleAt(long position);
// Fills lpstrText with exactly the bytes of the range, which is first kept
// within the document.
void SciGetTextRange(TextRange& range);
void SciInsertText(long position, const SciTextArg& text);
void SciReplaceSel(const SciTextArg& text);
QByteArray SciGetSelText();
void SciSelectAll();
void SciSetSel(long anchor, long caret);
void SciSetAnchor(long position);
void SciSetCurrentPos(long position);
long SciGetCurrentPos();
void SciSetSelectionStart(long position);
void SciSetSelectionEnd(long position);
long SciGetSelectionStart();
long SciGetSelectionEnd();
void SciGotoPos(long position);
void SciGotoLine(long line);
long SciLineFromPosition(long position);
long SciPositionFromLine(long line);
long SciGetLineEndPosition(long line);
long SciLineLength(long line);
long SciGetColumn(long position);
long SciWordStartPosition(long position, bool onlyWordCharacters);
long SciWordEndPosition(long position, bool onlyWordCharacters);
long SciPositionFromPoint(long x, long y);
long SciPointXFromPosition(long position);
long SciPointYFromPosition(long position);
long SciTextWidth(long style, const SciTextArg& text);
long SciGetFirstVisibleLine();
long SciLinesOnScreen();
long SciVisibleFromDocLine(long line);
long SciDocLineFromVisible(long displayLine);
void SciChooseCaretX();

// Target search and replace. A length of -1 takes the text up to its first
// NUL; a longer length than the text is cut to the text.
void SciSetTargetStart(long position);
long SciGetTargetStart();
void SciSetTargetEnd(long position);
long SciGetTargetEnd();
void SciTargetFromSelection();
void SciReplaceTarget(long length, const SciTextArg& text);
void SciSetSearchFlags(long flags);
long SciSearchInTarget(long length, const SciTextArg& text);

// Clipboard, undo and save point.
void SciCut();
void SciCopy();
void SciPaste();
void SciClear();
void SciUndo();
void SciRedo();
bool SciCanUndo();
bool SciCanRedo();
void SciEmptyUndoBuffer();
void SciSetUndoCollection(bool collect);
void SciSetSavePoint();

// Keyboard commands.
void SciWordLeft();
void SciWordLeftExtend();
void SciWordRight();
void SciWordRightExtend();
void SciDocumentStart();
void SciDocumentStartExtend();
void SciDocumentEnd();
void SciDocumentEndExtend();
void SciTab();
void SciBackTab();
void SciNewLine();
void SciDelWordLeft();
void SciDelWordRight();
void SciDelLineLeft();
void SciDelLineRight();
void SciLineCut();
void SciLineDelete();
void SciLineCopy();
void SciLowerCase();
void SciUpperCase();

// Key bindings (key code plus modifiers x 65536), context menu,
// notifications, lexer.
void SciAssignCmdKey(long keyDefinition, long command);
void SciClearCmdKey(long keyDefinition);
void SciClearAllCmdKeys();
void SciUsePopUp(bool allowPopUp);
void SciSetModEventMask(long mask);
void SciSetLexer(long lexer);

// Styling and colours.
void SciStartStyling(long position, long mask);
void SciSetStyling(long length, long style);
void SciStyleClearAll();
void SciStyleSetFont(long style, const SciTextArg& fontName);
void SciStyleSetSize(long style, long points);
void SciStyleSetBold(long style, bool bold);
void SciStyleSetItalic(long style, bool italic);
void SciStyleSetUnderline(long style, bool underline);
void SciStyleSetFore(long style, long colour);
void SciStyleSetBack(long style, long colour);
void SciSetSelFore(bool useSetting, long colour);
void SciSetSelBack(bool useSetting, long colour);
void SciSetCaretFore(long colour);
void SciSetCaretLineVisible(bool show);
void SciSetCaretLineBack(long colour);
void SciSetCaretPeriod(long milliseconds);
void SciSetCaretWidth(long pixels);
void SciSetWhitespaceFore(bool useSetting, long colour);
void SciSetViewWS(long mode);
void SciSetCursor(long cursorType);
void SciSetEOLMode(long mode);

// Caret policy, indentation, braces, wrapping, focus.
void SciSetXCaretPolicy(long policy, long slop);
void SciSetYCaretPolicy(long policy, long slop);
void SciSetTabWidth(long columns);
void SciSetUseTabs(bool useTabs);
void SciSetLineIndentation(long line, long indentation);
long SciGetLineIndentation(long line);
long SciGetLineIndentPosition(long line);
void SciSetIndentationGuides(long mode);
void SciSetHighlightGuide(long column);
void SciBraceHighlight(long positionA, long positionB);
long SciBraceMatch(long position);
void SciSetWrapMode(long mode);
void SciSetWrapVisualFlags(long flags);
void SciSetWrapStartIndent(long indent);
void SciSetWrapVisualFlagsLocation(long location);
void SciGrabFocus();
long SciGetFocus();

// Margins and markers.
void SciSetMarginTypeN(long margin, long type);
void SciSetMarginWidthN(long margin, long pixels);
long SciGetMarginWidthN(long margin);
void SciSetMarginMaskN(long margin, long mask);
void SciSetMarginSensitiveN(long margin, bool sensitive);
void SciSetFoldMarginColour(bool useSetting, long colour);
void SciSetFoldMarginHiColour(bool useSetting, long colour);
void SciMarkerDefine(long marker, long symbol);
void SciMarkerSetFore(long marker, long colour);
void SciMarkerSetBack(long marker, long colour);
long SciMarkerAdd(long line, long marker);
void SciMarkerDelete(long line, long marker);
void SciMarkerDeleteAll(long marker);
long SciMarkerGet(long line);
long SciMarkerNext(long line, long markerMask);
long SciMarkerPrevious(long line, long markerMask);
long SciMarkerLineFromHandle(long markerHandle);

// Folding.
void SciSetFoldLevel(long line, long level);
long SciGetFoldLevel(long line);
void SciSetFoldFlags(long flags);
long SciGetLastChild(long line, long level);
long SciGetFoldParent(long line);
void SciToggleFold(long line);
long SciGetFoldExpanded(long line);
long SciGetLineVisible(long line);
void SciEnsureVisible(long line);
void SciEnsureVisibleEnforcePolicy(long line);

// Autocompletion and call tips.
void SciAutoCShow(long lengthEntered, const SciTextArg& words);
void SciAutoCCancel();
bool SciAutoCActive();
void SciAutoCComplete();
void SciAutoCStops(const SciTextArg& characters);
void SciAutoCSetMaxHeight(long rows);
void SciAutoCSetMaxWidth(long characters);
void SciAutoCSetCancelAtStart(bool cancel);
void SciAutoCSetFillUps(const SciTextArg& characters);
void SciAutoCSetAutoHide(bool autoHide);
void SciAutoCSetIgnoreCase(bool ignoreCase);
void SciCallTipShow(long position, const SciTextArg& text);
void SciCallTipCancel();
bool SciCallTipActive();
void SciCallTipSetHlt(long start, long end);
void SciCallTipSetBack(long colour);
void SciCallTipSetFore(long colour);
void SciCallTipSetForeHlt(long colour);
