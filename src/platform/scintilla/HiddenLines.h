#pragma once

class QsciScintillaBase;

// Scintilla keeps which lines are hidden apart from the fold levels, and
// neither a deleted header line nor a header flag taken away shows the lines
// the header hid: they would stay hidden with nothing to show them again, and
// a hidden first line aborts the next paint. These keep every hidden line
// under a collapsed header whose block still holds it.
namespace hiddenlines {

// Before text from line `first` to line `last` goes: opens every collapsed
// header among those lines, while the fold levels still tell what each hid.
void openFoldsAboutToGo(QsciScintillaBase& view, long first, long last);

// After the fold level of the line changed: shows the hidden lines that no
// collapsed header holds any more.
void foldLevelChanged(QsciScintillaBase& view, long line);

}
