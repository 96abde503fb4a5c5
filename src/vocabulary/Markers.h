#pragma once

// The marker numbers of a document, shared by the parser, the notification
// handler, folding, bookmarks, breakpoints and the position history.
enum SciMarkerNumber {
    MARKER_FUNCTION = 0,     // every Function and End Function line
    MARKER_REPARSE = 1,      // a line waiting to be parsed
    MARKER_TYPE = 2,         // every Type and End Type line
    MARKER_PARSED = 3,       // the line's declarations are in the code model
    MARKER_BOOKMARK = 4,
    MARKER_FOLDSTART = 5,
    MARKER_FOLDEND = 7,
    MARKER_DECLARATION = 8,  // one per name declared by Global, Field, Dim, Const, a label or Include
    MARKER_INACTIVELINE = 13,  // the caret line of an editor without the focus
    MARKER_LOCAL = 14,       // one per name declared by Local
    MARKER_POSITION = 18,    // a position-history anchor
    MARKER_MAINPROGRAM = 21,  // a parsed line outside every function
    MARKER_BLOCK = 22,       // ";[Block" and ";[End" lines
    MARKER_BREAKPOINT = 23,  // a "Stop" line
};

// The bit of a marker in the masks that Scintilla takes and returns.
constexpr long markerMask(int marker) {
    return 1L << marker;
}

// The markers that anchor declaration records: the view keeps their lines
// itself, so that a record's line is known whatever the document's length.
constexpr unsigned kRecordMarkers = unsigned(markerMask(MARKER_FUNCTION) | markerMask(MARKER_TYPE) |
                                             markerMask(MARKER_DECLARATION) | markerMask(MARKER_LOCAL));
