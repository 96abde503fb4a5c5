#pragma once

#include "platform/scintilla/HandleIndex.h"
#include "platform/scintilla/LineGroups.h"

// The lines of a view's markers of some numbers, known without asking
// Scintilla: Scintilla 3.10 (Debian's QScintilla 2.13) finds a marker's line
// by scanning every line from the top. The view tells its index of every
// marker it adds or deletes and of every change in its lines, and the index
// moves the markers exactly as Scintilla does: a line end inserted at the
// start of a line takes that line's markers down with it, and the markers
// of deleted lines join the line above.
class MarkerLines {
public:
    void track(unsigned numbers) { tracked_ = numbers; }
    bool tracks(int number) const { return number >= 0 && number < 32 && (tracked_ >> number & 1u); }
    unsigned tracked() const { return tracked_; }

    void added(int handle, int number, long line);
    // One marker of that number leaves the line, the one Scintilla deletes
    // first; -1 deletes every marker of the line.
    void deletedOnLine(long line, int number);
    void deletedHandle(int handle);
    // When the marker of that handle is the one that deleting its number on
    // its line would take first, forgets it and returns its number; -1
    // otherwise.
    int deletedFirst(int handle);
    // -1 deletes every marker.
    void deletedEverywhere(int number);

    // count line ends inserted at position `at` of line `line`.
    void linesInserted(long line, bool atLineStart, long count);
    // count lines below `line` deleted into it.
    void linesDeleted(long line, long count);

    bool knows(int handle) const { return lines_.find(handle) != nullptr; }
    // -1 for a handle it does not know.
    long lineOf(int handle) const;
    int numberOf(int handle) const;
    // Appends the handles of the markers on that line.
    void handlesOn(long line, std::vector<int>& handles) const;

private:
    void drop(LineGroups::Group* group, LineGroups::Marker* marker);

    unsigned tracked_ = 0;
    LineGroups groups_;
    HandleIndex lines_;
};
