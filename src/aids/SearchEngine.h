#pragma once

#include "aids/FindOptions.h"

#include <QByteArray>
#include <QString>

#include <functional>

// Finds, replaces and bookmarks the find text in the selection, the active
// document, the open documents of the active project or every open
// document, on the current view with Scintilla's target search. A search
// sequence remembers where it began, so that forward searches stop after
// one pass over the scope; searches in other documents activate their
// windows through the host. Positions are byte positions of the current view.
class SearchEngine {
public:
    FindOptions Options;
    // A match was selected: the dialog takes the focus and, when
    // interactive, moves off it.
    std::function<void(long start, long end, bool interactive)> MatchShown;
    // The sequence opened or closed (the find button's caption).
    std::function<void()> SequenceChanged;

    // WrapAsk true is the interactive mode of the buttons and commands: the
    // window is locked while searching, the wrap question is asked and the
    // match scrolled into view. False is the silent mode of Replace All and
    // Mark All: no lock, no question (wrapping is accepted), no scrolling.
    bool FindNext(bool WrapAsk);
    // Every backward search begins a new sequence at the caret. In the
    // selection scope it does nothing.
    bool FindPrevious(bool WrapAsk);
    void ReturnToLastSelection(const QString& File, long SelStart, long SelEnd);

    // Replaces a selection that the search matches exactly, then finds the next match.
    void Replace();
    // Replaces every match of the scope once, as one undo action per
    // document changed, and reports the count.
    void ReplaceAll();
    // Bookmarks every line holding a match and reports the counts.
    void MarkAll();

    // An option changed: the flags go to the view and the sequence closes.
    void OptionsChanged();
    bool SequenceOpen() const { return sequenceOpen_; }

private:
    class ReplaceAllRun;
    class MarkAllRun;

    bool Search(const QString& name, bool (SearchEngine::*search)(bool), bool WrapAsk);
    bool findNext(bool WrapAsk);
    bool findPrevious(bool WrapAsk);
    bool FindInFile(long TargetStart, long TargetEnd, bool WrapAllowed, bool WrapAsk, bool continuing);
    bool FindInFilePrev(long TargetStart, long TargetEnd, bool WrapAsk);
    bool FindInDocuments(long TargetStart, long TargetEnd, bool forward, bool continuing);
    bool FindInSelection(bool continuing);
    QString NextDocumentWindow(bool forward) const;
    bool IsCandidate(const QString& key) const;

    // The match start or -1; the target holds the match.
    long SearchTarget(long start, long end);
    // As SearchTarget forward, but a continuing search does not stop again
    // on an empty match where it begins.
    long SearchForward(long start, long end, bool continuing);
    bool SelectionQualifies();
    void ReplaceSelection();
    void FollowEdit(long start, long removed, long inserted);
    void SelectMatch(long start, long end, bool interactive);
    void ShowEndOfSearch(const QString& lastFile, long lastStart, long lastEnd);
    long FindLength() const;

    void SetSearchFlags();
    void SaveSearchOrigin();
    void SetSequenceOpen(bool open);

    bool sequenceOpen_ = false;
    long SearchOrigin = 0;
    QString SearchOriginFile;
    QString SearchCurrentFile;
    bool SearchWrapped = false;
    // Windows entered since the sequence began: one pass at most.
    int windowsEntered_ = 0;
    ReplaceAllRun* replaceAllRun_ = nullptr;
    long MarkAllCount = 0;
    long ReplaceAllActive = 0;
    long SelScanStart = 0;
    long SelScanEnd = 0;
    long SelOrigStart = 0;
    long SelOrigEnd = 0;
    QByteArray findBytes_;
    bool findFits_ = true;
};
