#include "editor/SciWrappers.h"

#include "editor/CurrentView.h"
#include "platform/scintilla/SciDirectCalls.h"
#include "platform/AnsiText.h"

#include <algorithm>
#include <cstring>

using S = QsciScintillaBase;

TextRange gTextRange;

SciTextArg::SciTextArg(const QString& text) : bytes_(platform::toAnsi(text)) {}

namespace {
long sci(unsigned int message, long wParam = 0, long lParam = 0) {
    return SciDirect(gSciWndData, message, static_cast<unsigned long>(wParam), lParam);
}

long sciText(unsigned int message, long wParam, const SciTextArg& text) {
    return sci(message, wParam, reinterpret_cast<long>(text.bytes().constData()));
}

long sciBuffer(unsigned int message, long wParam, char* buffer) {
    return sci(message, wParam, reinterpret_cast<long>(buffer));
}

// A length that never reaches past the caller's bytes.
long lengthWithin(long length, const SciTextArg& text) {
    return length < 0 ? static_cast<long>(qstrlen(text.bytes().constData())) : std::min<long>(length, text.bytes().size());
}
}

// Text, lines and positions.
long SciGetLength() { return sci(S::SCI_GETLENGTH); }
long SciGetLineCount() { return sci(S::SCI_GETLINECOUNT); }

long SciGetLine(long line, char* buffer, long capacity) {
    if (!buffer || capacity <= 0)
        return 0;
    const long length = SciLineLength(line);
    if (length <= capacity)
        return sciBuffer(S::SCI_GETLINE, line, buffer);
    const QByteArray text = SciGetLineText(line);
    const long copied = std::min<long>(capacity, text.size());
    std::memcpy(buffer, text.constData(), static_cast<size_t>(copied));
    return copied;
}

long SciGetLine(long line, unsigned char* buffer, long capacity) {
    return SciGetLine(line, reinterpret_cast<char*>(buffer), capacity);
}

QByteArray SciGetLineText(long line) {
    QByteArray text(std::max(0L, SciLineLength(line)), '\0');
    if (text.isEmpty())
        return text;
    text.resize(std::clamp<long>(sciBuffer(S::SCI_GETLINE, line, text.data()), 0, text.size()));
    return text;
}

int SciGetCharAt(long position) { return static_cast<unsigned char>(sci(S::SCI_GETCHARAT, position)); }
long SciGetStyleAt(long position) { return sci(S::SCI_GETSTYLEAT, position); }

void SciGetTextRange(TextRange& range) {
    range.lpstrText = SciGetTextRange(gSciWndData, range.cpMin, range.cpMax);
}

void SciInsertText(long position, const SciTextArg& text) { sciText(S::SCI_INSERTTEXT, position, text); }
void SciReplaceSel(const SciTextArg& text) { sciText(S::SCI_REPLACESEL, 0, text); }

QByteArray SciGetSelText() {
    // The component's own copy turns NUL bytes into blanks; a plain
    // selection is read as the range it covers.
    if (!sci(S::SCI_SELECTIONISRECTANGLE) && sci(S::SCI_GETSELECTIONS) <= 1)
        return SciGetTextRange(gSciWndData, SciGetSelectionStart(), SciGetSelectionEnd());
    // The size asked for counts the terminating NUL; one byte more keeps the
    // buffer safe from a component that would not count it.
    const long size = sci(S::SCI_GETSELTEXT);
    if (size <= 1)
        return QByteArray();
    QByteArray text(size + 1, '\0');
    sciBuffer(S::SCI_GETSELTEXT, 0, text.data());
    text.resize(size - 1);
    return text;
}

void SciSelectAll() { sci(S::SCI_SELECTALL); }
void SciSetSel(long anchor, long caret) { sci(S::SCI_SETSEL, anchor, caret); }
void SciSetAnchor(long position) { sci(S::SCI_SETANCHOR, position); }
void SciSetCurrentPos(long position) { sci(S::SCI_SETCURRENTPOS, position); }
long SciGetCurrentPos() { return sci(S::SCI_GETCURRENTPOS); }
void SciSetSelectionStart(long position) { sci(S::SCI_SETSELECTIONSTART, position); }
void SciSetSelectionEnd(long position) { sci(S::SCI_SETSELECTIONEND, position); }
long SciGetSelectionStart() { return sci(S::SCI_GETSELECTIONSTART); }
long SciGetSelectionEnd() { return sci(S::SCI_GETSELECTIONEND); }
void SciGotoPos(long position) { sci(S::SCI_GOTOPOS, position); }
void SciGotoLine(long line) { sci(S::SCI_GOTOLINE, line); }
long SciLineFromPosition(long position) { return sci(S::SCI_LINEFROMPOSITION, position); }
long SciPositionFromLine(long line) { return sci(S::SCI_POSITIONFROMLINE, line); }
long SciGetLineEndPosition(long line) { return sci(S::SCI_GETLINEENDPOSITION, line); }
long SciLineLength(long line) { return sci(S::SCI_LINELENGTH, line); }
long SciGetColumn(long position) { return sci(S::SCI_GETCOLUMN, position); }
long SciWordStartPosition(long position, bool onlyWordCharacters) {
    return sci(S::SCI_WORDSTARTPOSITION, position, onlyWordCharacters);
}
long SciWordEndPosition(long position, bool onlyWordCharacters) {
    return sci(S::SCI_WORDENDPOSITION, position, onlyWordCharacters);
}
long SciPositionFromPoint(long x, long y) { return sci(S::SCI_POSITIONFROMPOINT, x, y); }
long SciPointXFromPosition(long position) { return sci(S::SCI_POINTXFROMPOSITION, 0, position); }
long SciPointYFromPosition(long position) { return sci(S::SCI_POINTYFROMPOSITION, 0, position); }
long SciTextWidth(long style, const SciTextArg& text) { return sciText(S::SCI_TEXTWIDTH, style, text); }
long SciGetFirstVisibleLine() { return sci(S::SCI_GETFIRSTVISIBLELINE); }
long SciLinesOnScreen() { return sci(S::SCI_LINESONSCREEN); }
long SciVisibleFromDocLine(long line) { return sci(S::SCI_VISIBLEFROMDOCLINE, line); }
long SciDocLineFromVisible(long displayLine) { return sci(S::SCI_DOCLINEFROMVISIBLE, displayLine); }
void SciChooseCaretX() { sci(S::SCI_CHOOSECARETX); }

// Target search and replace.
void SciSetTargetStart(long position) { sci(S::SCI_SETTARGETSTART, position); }
long SciGetTargetStart() { return sci(S::SCI_GETTARGETSTART); }
void SciSetTargetEnd(long position) { sci(S::SCI_SETTARGETEND, position); }
long SciGetTargetEnd() { return sci(S::SCI_GETTARGETEND); }
void SciTargetFromSelection() { sci(S::SCI_TARGETFROMSELECTION); }
void SciReplaceTarget(long length, const SciTextArg& text) {
    sciText(S::SCI_REPLACETARGET, lengthWithin(length, text), text);
}
void SciSetSearchFlags(long flags) { sci(S::SCI_SETSEARCHFLAGS, flags); }
long SciSearchInTarget(long length, const SciTextArg& text) {
    return sciText(S::SCI_SEARCHINTARGET, lengthWithin(length, text), text);
}

// Clipboard, undo and save point.
void SciCut() { sci(S::SCI_CUT); }
void SciCopy() { sci(S::SCI_COPY); }
void SciPaste() { sci(S::SCI_PASTE); }
void SciClear() { sci(S::SCI_CLEAR); }
void SciUndo() { sci(S::SCI_UNDO); }
void SciRedo() { sci(S::SCI_REDO); }
bool SciCanUndo() { return sci(S::SCI_CANUNDO) != 0; }
bool SciCanRedo() { return sci(S::SCI_CANREDO) != 0; }
void SciEmptyUndoBuffer() { sci(S::SCI_EMPTYUNDOBUFFER); }
void SciSetUndoCollection(bool collect) { sci(S::SCI_SETUNDOCOLLECTION, collect); }
void SciSetSavePoint() { sci(S::SCI_SETSAVEPOINT); }

// Keyboard commands.
void SciWordLeft() { sci(S::SCI_WORDLEFT); }
void SciWordLeftExtend() { sci(S::SCI_WORDLEFTEXTEND); }
void SciWordRight() { sci(S::SCI_WORDRIGHT); }
void SciWordRightExtend() { sci(S::SCI_WORDRIGHTEXTEND); }
void SciDocumentStart() { sci(S::SCI_DOCUMENTSTART); }
void SciDocumentStartExtend() { sci(S::SCI_DOCUMENTSTARTEXTEND); }
void SciDocumentEnd() { sci(S::SCI_DOCUMENTEND); }
void SciDocumentEndExtend() { sci(S::SCI_DOCUMENTENDEXTEND); }
void SciTab() { sci(S::SCI_TAB); }
void SciBackTab() { sci(S::SCI_BACKTAB); }
void SciNewLine() { sci(S::SCI_NEWLINE); }
void SciDelWordLeft() { sci(S::SCI_DELWORDLEFT); }
void SciDelWordRight() { sci(S::SCI_DELWORDRIGHT); }
void SciDelLineLeft() { sci(S::SCI_DELLINELEFT); }
void SciDelLineRight() { sci(S::SCI_DELLINERIGHT); }
void SciLineCut() { sci(S::SCI_LINECUT); }
void SciLineDelete() { sci(S::SCI_LINEDELETE); }
void SciLineCopy() { sci(S::SCI_LINECOPY); }
void SciLowerCase() { sci(S::SCI_LOWERCASE); }
void SciUpperCase() { sci(S::SCI_UPPERCASE); }

// Key bindings, context menu, notifications, lexer.
void SciAssignCmdKey(long keyDefinition, long command) { sci(S::SCI_ASSIGNCMDKEY, keyDefinition, command); }
void SciClearCmdKey(long keyDefinition) { sci(S::SCI_CLEARCMDKEY, keyDefinition); }
void SciClearAllCmdKeys() { sci(S::SCI_CLEARALLCMDKEYS); }
void SciUsePopUp(bool allowPopUp) { sci(S::SCI_USEPOPUP, allowPopUp); }
void SciSetModEventMask(long mask) { sci(S::SCI_SETMODEVENTMASK, mask); }
void SciSetLexer(long lexer) { sci(S::SCI_SETLEXER, lexer); }

// Styling and colours.
void SciStartStyling(long position, long mask) { sci(S::SCI_STARTSTYLING, position, mask); }
void SciSetStyling(long length, long style) { sci(S::SCI_SETSTYLING, length, style); }
void SciStyleClearAll() { sci(S::SCI_STYLECLEARALL); }
void SciStyleSetFont(long style, const SciTextArg& fontName) { sciText(S::SCI_STYLESETFONT, style, fontName); }
void SciStyleSetSize(long style, long points) { sci(S::SCI_STYLESETSIZE, style, points); }
void SciStyleSetBold(long style, bool bold) { sci(S::SCI_STYLESETBOLD, style, bold); }
void SciStyleSetItalic(long style, bool italic) { sci(S::SCI_STYLESETITALIC, style, italic); }
void SciStyleSetUnderline(long style, bool underline) { sci(S::SCI_STYLESETUNDERLINE, style, underline); }
void SciStyleSetFore(long style, long colour) { sci(S::SCI_STYLESETFORE, style, colour); }
void SciStyleSetBack(long style, long colour) { sci(S::SCI_STYLESETBACK, style, colour); }
void SciSetSelFore(bool useSetting, long colour) { sci(S::SCI_SETSELFORE, useSetting, colour); }
void SciSetSelBack(bool useSetting, long colour) { sci(S::SCI_SETSELBACK, useSetting, colour); }
void SciSetCaretFore(long colour) { sci(S::SCI_SETCARETFORE, colour); }
void SciSetCaretLineVisible(bool show) { sci(S::SCI_SETCARETLINEVISIBLE, show); }
void SciSetCaretLineBack(long colour) { sci(S::SCI_SETCARETLINEBACK, colour); }
void SciSetCaretPeriod(long milliseconds) { sci(S::SCI_SETCARETPERIOD, milliseconds); }
void SciSetCaretWidth(long pixels) { sci(S::SCI_SETCARETWIDTH, pixels); }
void SciSetWhitespaceFore(bool useSetting, long colour) { sci(S::SCI_SETWHITESPACEFORE, useSetting, colour); }
void SciSetViewWS(long mode) { sci(S::SCI_SETVIEWWS, mode); }
void SciSetCursor(long cursorType) { sci(S::SCI_SETCURSOR, cursorType); }
void SciSetEOLMode(long mode) { sci(S::SCI_SETEOLMODE, mode); }

// Caret policy, indentation, braces, wrapping, focus.
void SciSetXCaretPolicy(long policy, long slop) { sci(S::SCI_SETXCARETPOLICY, policy, slop); }
void SciSetYCaretPolicy(long policy, long slop) { sci(S::SCI_SETYCARETPOLICY, policy, slop); }
void SciSetTabWidth(long columns) { sci(S::SCI_SETTABWIDTH, columns); }
void SciSetUseTabs(bool useTabs) { sci(S::SCI_SETUSETABS, useTabs); }
void SciSetLineIndentation(long line, long indentation) { sci(S::SCI_SETLINEINDENTATION, line, indentation); }
long SciGetLineIndentation(long line) { return sci(S::SCI_GETLINEINDENTATION, line); }
long SciGetLineIndentPosition(long line) { return sci(S::SCI_GETLINEINDENTPOSITION, line); }
void SciSetIndentationGuides(long mode) { sci(S::SCI_SETINDENTATIONGUIDES, mode); }
void SciSetHighlightGuide(long column) { sci(S::SCI_SETHIGHLIGHTGUIDE, column); }
void SciBraceHighlight(long positionA, long positionB) { sci(S::SCI_BRACEHIGHLIGHT, positionA, positionB); }
long SciBraceMatch(long position) { return sci(S::SCI_BRACEMATCH, position); }
void SciSetWrapMode(long mode) { sci(S::SCI_SETWRAPMODE, mode); }
void SciSetWrapVisualFlags(long flags) { sci(S::SCI_SETWRAPVISUALFLAGS, flags); }
void SciSetWrapStartIndent(long indent) { sci(S::SCI_SETWRAPSTARTINDENT, indent); }
void SciSetWrapVisualFlagsLocation(long location) { sci(S::SCI_SETWRAPVISUALFLAGSLOCATION, location); }
void SciGrabFocus() { sci(S::SCI_GRABFOCUS); }
long SciGetFocus() { return sci(S::SCI_GETFOCUS); }

// Margins and markers.
void SciSetMarginTypeN(long margin, long type) { sci(S::SCI_SETMARGINTYPEN, margin, type); }
void SciSetMarginWidthN(long margin, long pixels) { sci(S::SCI_SETMARGINWIDTHN, margin, pixels); }
long SciGetMarginWidthN(long margin) { return sci(S::SCI_GETMARGINWIDTHN, margin); }
void SciSetMarginMaskN(long margin, long mask) { sci(S::SCI_SETMARGINMASKN, margin, mask); }
void SciSetMarginSensitiveN(long margin, bool sensitive) { sci(S::SCI_SETMARGINSENSITIVEN, margin, sensitive); }
void SciSetFoldMarginColour(bool useSetting, long colour) { sci(S::SCI_SETFOLDMARGINCOLOUR, useSetting, colour); }
void SciSetFoldMarginHiColour(bool useSetting, long colour) {
    sci(S::SCI_SETFOLDMARGINHICOLOUR, useSetting, colour);
}
void SciMarkerDefine(long marker, long symbol) { sci(S::SCI_MARKERDEFINE, marker, symbol); }
void SciMarkerSetFore(long marker, long colour) { sci(S::SCI_MARKERSETFORE, marker, colour); }
void SciMarkerSetBack(long marker, long colour) { sci(S::SCI_MARKERSETBACK, marker, colour); }
long SciMarkerAdd(long line, long marker) { return sci(S::SCI_MARKERADD, line, marker); }
void SciMarkerDelete(long line, long marker) { sci(S::SCI_MARKERDELETE, line, marker); }
void SciMarkerDeleteAll(long marker) { sci(S::SCI_MARKERDELETEALL, marker); }
long SciMarkerGet(long line) { return sci(S::SCI_MARKERGET, line); }
long SciMarkerNext(long line, long markerMask) { return sci(S::SCI_MARKERNEXT, line, markerMask); }
long SciMarkerPrevious(long line, long markerMask) { return sci(S::SCI_MARKERPREVIOUS, line, markerMask); }
long SciMarkerLineFromHandle(long markerHandle) { return sci(S::SCI_MARKERLINEFROMHANDLE, markerHandle); }

// Folding.
void SciSetFoldLevel(long line, long level) { sci(S::SCI_SETFOLDLEVEL, line, level); }
long SciGetFoldLevel(long line) { return sci(S::SCI_GETFOLDLEVEL, line); }
void SciSetFoldFlags(long flags) { sci(S::SCI_SETFOLDFLAGS, flags); }
long SciGetLastChild(long line, long level) { return sci(S::SCI_GETLASTCHILD, line, level); }
long SciGetFoldParent(long line) { return sci(S::SCI_GETFOLDPARENT, line); }
void SciToggleFold(long line) { sci(S::SCI_TOGGLEFOLD, line); }
long SciGetFoldExpanded(long line) { return sci(S::SCI_GETFOLDEXPANDED, line); }
long SciGetLineVisible(long line) { return sci(S::SCI_GETLINEVISIBLE, line); }
void SciEnsureVisible(long line) { sci(S::SCI_ENSUREVISIBLE, line); }
void SciEnsureVisibleEnforcePolicy(long line) { sci(S::SCI_ENSUREVISIBLEENFORCEPOLICY, line); }

// Autocompletion and call tips.
void SciAutoCShow(long lengthEntered, const SciTextArg& words) { sciText(S::SCI_AUTOCSHOW, lengthEntered, words); }
void SciAutoCCancel() { sci(S::SCI_AUTOCCANCEL); }
bool SciAutoCActive() { return sci(S::SCI_AUTOCACTIVE) != 0; }
void SciAutoCComplete() { sci(S::SCI_AUTOCCOMPLETE); }
void SciAutoCStops(const SciTextArg& characters) { sciText(S::SCI_AUTOCSTOPS, 0, characters); }
void SciAutoCSetMaxHeight(long rows) { sci(S::SCI_AUTOCSETMAXHEIGHT, rows); }
void SciAutoCSetMaxWidth(long characters) { sci(S::SCI_AUTOCSETMAXWIDTH, characters); }
void SciAutoCSetCancelAtStart(bool cancel) { sci(S::SCI_AUTOCSETCANCELATSTART, cancel); }
void SciAutoCSetFillUps(const SciTextArg& characters) { sciText(S::SCI_AUTOCSETFILLUPS, 0, characters); }
void SciAutoCSetAutoHide(bool autoHide) { sci(S::SCI_AUTOCSETAUTOHIDE, autoHide); }
void SciAutoCSetIgnoreCase(bool ignoreCase) { sci(S::SCI_AUTOCSETIGNORECASE, ignoreCase); }
void SciCallTipShow(long position, const SciTextArg& text) { sciText(S::SCI_CALLTIPSHOW, position, text); }
void SciCallTipCancel() { sci(S::SCI_CALLTIPCANCEL); }
bool SciCallTipActive() { return sci(S::SCI_CALLTIPACTIVE) != 0; }
void SciCallTipSetHlt(long start, long end) { sci(S::SCI_CALLTIPSETHLT, start, end); }
void SciCallTipSetBack(long colour) { sci(S::SCI_CALLTIPSETBACK, colour); }
void SciCallTipSetFore(long colour) { sci(S::SCI_CALLTIPSETFORE, colour); }
void SciCallTipSetForeHlt(long colour) { sci(S::SCI_CALLTIPSETFOREHLT, colour); }
