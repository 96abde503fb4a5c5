#include "editor/EditorSetup.h"

#include "editor/CurrentView.h"
#include "editor/EditorStyles.h"
#include "editor/SciWrappers.h"
#include "editor/UndoGroups.h"
#include "foundation/errors/ErrorLog.h"
#include "platform/KorvoError.h"
#include "vocabulary/Markers.h"
#include "vocabulary/SettingsValues.h"

#include <limits>

using S = QsciScintillaBase;

bool gUndoGroupOpen = false;

namespace {
const QString kModule = QStringLiteral("Mod_SciFun");

// Before insert and before delete only; whether the user, undo or redo made
// the change comes with them. The view's accessibility support counts the
// characters up to every change it hears of, which grows with the document.
constexpr long kModificationMask = S::SC_MOD_BEFOREINSERT | S::SC_MOD_BEFOREDELETE;

constexpr long kShift = 1L << 16;
constexpr long kCtrl = long{S::SCMOD_CTRL} << 16;
constexpr long kHomeKey = S::SCK_HOME;
constexpr long kShiftHomeKey = kShift + S::SCK_HOME;

struct KeyBinding {
    long key;
    long command;
};

// Every other key belongs to the main window's commands.
constexpr KeyBinding kKeyMap[] = {
    {S::SCK_DOWN, S::SCI_LINEDOWN},
    {kShift + S::SCK_DOWN, S::SCI_LINEDOWNEXTEND},
    {S::SCK_UP, S::SCI_LINEUP},
    {kShift + S::SCK_UP, S::SCI_LINEUPEXTEND},
    {S::SCK_LEFT, S::SCI_CHARLEFT},
    {kShift + S::SCK_LEFT, S::SCI_CHARLEFTEXTEND},
    {S::SCK_RIGHT, S::SCI_CHARRIGHT},
    {kShift + S::SCK_RIGHT, S::SCI_CHARRIGHTEXTEND},
    {S::SCK_END, S::SCI_LINEEND},
    {kShift + S::SCK_END, S::SCI_LINEENDEXTEND},
    {S::SCK_PRIOR, S::SCI_PAGEUP},
    {kShift + S::SCK_PRIOR, S::SCI_PAGEUPEXTEND},
    {S::SCK_NEXT, S::SCI_PAGEDOWN},
    {kShift + S::SCK_NEXT, S::SCI_PAGEDOWNEXTEND},
    {S::SCK_DELETE, S::SCI_CLEAR},
    {S::SCK_INSERT, S::SCI_EDITTOGGLEOVERTYPE},
    {S::SCK_BACK, S::SCI_DELETEBACK},
    {kShift + S::SCK_BACK, S::SCI_DELETEBACK},
    {S::SCK_TAB, S::SCI_TAB},
    {kShift + S::SCK_TAB, S::SCI_BACKTAB},
    {S::SCK_ESCAPE, S::SCI_CANCEL},
};

struct MarkerSymbol {
    long marker;
    long symbol;
};

// Fold margin first, then the markers of the parser and the editor. The
// re-parse marker keeps the component's default symbol, and the breakpoint's
// symbol is an option.
constexpr MarkerSymbol kMarkerSymbols[] = {
    {31, S::SC_MARK_BOXMINUS},
    {30, S::SC_MARK_BOXPLUS},
    {29, S::SC_MARK_VLINE},
    {28, S::SC_MARK_LCORNER},
    {25, S::SC_MARK_BOXPLUSCONNECTED},
    {26, S::SC_MARK_BOXMINUSCONNECTED},
    {27, S::SC_MARK_TCORNER},
    {MARKER_FUNCTION, S::SC_MARK_EMPTY},
    {MARKER_PARSED, S::SC_MARK_EMPTY},
    {MARKER_BOOKMARK, S::SC_MARK_ROUNDRECT},
    {MARKER_FOLDSTART, S::SC_MARK_EMPTY},
    {MARKER_FOLDEND, S::SC_MARK_EMPTY},
    {MARKER_DECLARATION, S::SC_MARK_EMPTY},
    {MARKER_MAINPROGRAM, S::SC_MARK_CIRCLE},
    {MARKER_LOCAL, S::SC_MARK_EMPTY},
    {MARKER_TYPE, S::SC_MARK_EMPTY},
    {MARKER_POSITION, S::SC_MARK_EMPTY},
    {MARKER_BLOCK, S::SC_MARK_EMPTY},
    {MARKER_INACTIVELINE, S::SC_MARK_BACKGROUND},
};

constexpr long kLineNumberStyle = S::STYLE_LINENUMBER;
constexpr long kFoldMarginMask = static_cast<unsigned int>(S::SC_MASK_FOLDERS);
// Every marker below the fold symbols but the main program's.
constexpr long kMarkerMarginMask = ~kFoldMarginMask & 0xFFFFFFFFL & ~markerMask(MARKER_MAINPROGRAM);

// Settings arithmetic stays within 32 bits, as the stored values do; a value
// that would leave them is reported instead of sent.
long checked(long long value) {
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        RaiseError(ErrOverflow, QStringLiteral("Overflow"));
    return static_cast<long>(value);
}

long times(int setting, int factor) {
    return checked(static_cast<long long>(setting) * factor);
}

void bindHomeKeys() {
    SciAssignCmdKey(kHomeKey, HomeGoesToFirst ? S::SCI_HOME : S::SCI_VCHOME);
    SciAssignCmdKey(kShiftHomeKey, HomeGoesToFirst ? S::SCI_HOMEEXTEND : S::SCI_VCHOMEEXTEND);
}
}

void SetSciConstants() {
    try {
        SciSetModEventMask(kModificationMask);
        SciUsePopUp(false);
        SciAutoCSetIgnoreCase(true);
        SciClearAllCmdKeys();
        // Without this Ctrl+letter would still type a control character.
        for (long key = 1; key <= 127; ++key) {
            SciClearCmdKey(kCtrl + key);
            SciClearCmdKey(kCtrl + kShift + key);
        }
        for (const KeyBinding& binding : kKeyMap)
            SciAssignCmdKey(binding.key, binding.command);
        bindHomeKeys();
        for (const MarkerSymbol& marker : kMarkerSymbols)
            SciMarkerDefine(marker.marker, marker.symbol);
    } catch (...) {
        SetErrorLog(QStringLiteral("SetSciConstants"), kModule);
    }
}

void SetSciOptions(bool withStyle) {
    try {
        bindHomeKeys();
        SciSetXCaretPolicy(times(HmarginStrict, 4) | S::CARET_SLOP | S::CARET_EVEN, Hmargin);
        SciSetYCaretPolicy(S::CARET_SLOP | S::CARET_STRICT | S::CARET_EVEN, Vmargin);

        SciSetCaretLineVisible(HighlightCurrentLine);
        SciSetTabWidth(TabValue);
        SciSetIndentationGuides(ShowIndentGuides);
        SciSetViewWS(times(ShowWhiteSpaces, 2));

        SciSetWrapMode(WordWrap);
        SciSetWrapVisualFlags(WordWrapFlags);
        SciSetWrapStartIndent(WordWrapStartIndent);
        SciSetWrapVisualFlagsLocation(WordWrapFlagLocation);

        SciSetCaretWidth(CursorWidth);
        SciSetCaretPeriod(CursorPeriod);

        SciSetUseTabs(checked(1LL - InsertSpacesForTabs));
        SciSetHighlightGuide(0);

        // The line-end mode stays the document's own: CR LF from its view's start, or its file's (OpenFile).
        SciSetLexer(S::SCLEX_CONTAINER);

        SciSetMarginTypeN(0, S::SC_MARGIN_NUMBER);
        SciSetMarginSensitiveN(0, false);
        SciSetMarginTypeN(1, S::SC_MARGIN_SYMBOL);
        SciSetMarginMaskN(1, kMarkerMarginMask);
        SciSetMarginSensitiveN(1, true);
        SciSetMarginWidthN(1, times(ShowMarkerMargin, 20));
        SciSetMarginTypeN(2, S::SC_MARGIN_SYMBOL);
        SciSetMarginMaskN(2, kFoldMarginMask);
        SciSetMarginSensitiveN(2, true);
        SciSetMarginWidthN(2, times(ShowFoldMargin, 16));

        SciMarkerDefine(MARKER_BREAKPOINT, BreakpointsAsBackground ? S::SC_MARK_BACKGROUND : S::SC_MARK_ROUNDRECT);
        SciSetFoldFlags(S::SC_FOLDFLAG_LINEBEFORE_CONTRACTED | S::SC_FOLDFLAG_LINEAFTER_CONTRACTED);
        SciAutoCSetMaxHeight(ACRowsHeight);
        SciAutoCSetMaxWidth(0);

        if (withStyle)
            ApplyEditorStyles();
        UpdateLineNumberMargin();

        SciAutoCSetFillUps(ACFillUpChars);
        SciAutoCSetCancelAtStart(ACCloseListOnDelete);
        SciAutoCSetAutoHide(ACCloseListOnNoMatch);
        SciAutoCStops(ACStopChars);
    } catch (...) {
        SetErrorLog(QStringLiteral("SetSciOptions"), kModule);
    }
}

void UpdateLineNumberMargin() {
    if (ShowLineNumbers == 0) {
        SciSetMarginWidthN(0, 1);
        return;
    }
    // The count as the classic runtime prints it: its digits and a blank for the sign.
    const qsizetype characters = std::max<qsizetype>(QString::number(SciGetLineCount()).size() + 1, 4);
    const long width = SciTextWidth(kLineNumberStyle, QByteArray(characters, '0'));
    if (width != SciGetMarginWidthN(0))
        SciSetMarginWidthN(0, width);
}

void NewLineInUndo() {
    if (!IsEditorActive())
        return;
    SciAutoCCancel();
    gUndoGroupOpen = true;
    SciBeginUndoAction();
    SciNewLine();
}
