#pragma once

#include "platform/scintilla/SciTypes.h"

#include <Qsci/qsciscintillabase.h>

#include "platform/scintilla/LineCounts.h"
#include "platform/scintilla/MarkerLines.h"
#include "platform/scintilla/MarkerSearch.h"

#include <QPointer>

#include <array>
#include <functional>
#include <optional>
#include <vector>

// The Scintilla view of one document. Korvo lexes and styles the text itself
// and drives the view only through Scintilla's own messages.
class SciView : public QsciScintillaBase {
    Q_OBJECT
public:
    explicit SciView(QWidget* parent = nullptr);

    // The one entry point for messages: explicit argument types, so that a
    // literal 0 never picks the wrong SendScintilla overload.
    sptr_t send(unsigned int message, uptr_t wParam = 0, sptr_t lParam = 0) const;

    // A number of this view's own, never reused by another view.
    long viewId() const { return viewId_; }

    // From now on the view keeps the lines of its markers of these numbers
    // (a bit per number) itself, so that SCI_MARKERLINEFROMHANDLE answers
    // without scanning the document and SCI_MARKERDELETEHANDLE mostly without
    // either. It relies on the view reporting the insertions and deletions
    // that add or remove lines; should the line count ever differ from what
    // was reported, the view asks Scintilla again from then on.
    void trackMarkerLines(unsigned numbers);
    // Of the tracked numbers, those whose next and previous lines the view
    // finds itself rather than have Scintilla walk its lines one at a time
    // (while its index holds).
    void searchMarkerLines(unsigned numbers) { searched_.search(numbers & markers_.tracked()); }
    // Appends the handles of the tracked markers on that line; false, adding
    // none, while the view cannot vouch for its lines.
    bool trackedMarkersOn(long line, std::vector<int>& handles) const;
    // From now on the view keeps the markers of these numbers (a bit per
    // number) itself, as a count per line, rather than in Scintilla, which
    // allocates for every line that gets one: for markers that no handle
    // names and no margin draws. The marker messages answer as if Scintilla held them (an added
    // one has no handle: 0 is returned), and they move with the text as
    // Scintilla's do. For that the view announces every insertion and
    // deletion to itself, whatever modification events it was asked for.
    void keepMarkersItself(unsigned numbers);
    // How many insertions and deletions the view has seen, so that a copy of
    // its text can tell it is still current; -1 while the view cannot tell,
    // as it sees them only while it keeps markers itself.
    long textChanges() const { return keptNumbers_ ? textChanges_ : -1; }

protected:
    void paintEvent(QPaintEvent* event) override;
    // What is dropped in is edited next: the view takes the keys, as after a click.
    void dropEvent(QDropEvent* event) override;

private:
    int marginsWidth() const;
    long sendTracked(unsigned int message, unsigned long wParam, long lParam);
    long sendKept(unsigned int message, unsigned long wParam, long lParam);
    bool validLine(long line) const;
    bool keeps(long number) const;
    void forEachKept(const std::function<void(LineCounts&)>& visit);
    long markerAdded(long handle, int number, long line);
    long markerLine(long handle) const;
    long deleteMarkerHandle(long handle);
    long markerSearch(unsigned int message, long line, long mask);
    void changed(int position, int modificationType, int linesAdded);
    long setFoldLevel(long line, long level);
    long setSelectionColour(unsigned int message, unsigned long wParam, long lParam);
    void linesAboutToGo(long position, long length);
    void linesChanged(long position, bool deletion, long linesAdded);
    void settleChange();
    bool indexHolds() const;

    // A change announced before it happened: the view may report only
    // those, and the lines it added or removed show in the line count after.
    struct PendingChange {
        long position;
        bool deletion;
        long linesBefore;
    };

    // A selection colour as sent: whether it is used, and the colour.
    struct SentColour {
        unsigned long use;
        long colour;
        bool operator==(const SentColour&) const = default;
    };

    long viewId_;
    MarkerLines markers_;
    MarkerSearch searched_;
    unsigned keptNumbers_ = 0;
    std::array<LineCounts, 32> kept_;
    // The modification events asked for; with a kept marker the component also announces changes.
    long askedEvents_ = SC_MODEVENTMASKALL;
    // Handles of tracked markers ever added, so that a deleted one is known
    // to be gone without a scan.
    std::vector<bool> trackedHandles_;
    std::optional<PendingChange> pending_;
    long reportedLines_ = 1;
    std::optional<SentColour> selectionBack_;
    std::optional<SentColour> selectionFore_;
    long textChanges_ = 0;
    mutable bool stale_ = false;
};

// Names a view the way records and history entries remember their document.
// The handle outlives its view: a call through the handle of a closed view
// does nothing and returns 0. Handles compare equal only for the same view.
class SciHandle {
public:
    SciHandle() = default;
    explicit SciHandle(SciView* view);

    SciView* view() const { return view_.data(); }
    long id() const { return id_; }
    bool isAlive() const { return !view_.isNull(); }
    explicit operator bool() const { return id_ != 0; }

    friend bool operator==(const SciHandle& a, const SciHandle& b) { return a.id_ == b.id_; }

private:
    QPointer<SciView> view_;
    long id_ = 0;
};

// A message to the view behind an explicit handle; 0 when the view is gone.
sptr_t SciDirect(const SciHandle& handle, unsigned int message, uptr_t wParam = 0, sptr_t lParam = 0);
