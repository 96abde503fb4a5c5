#include "platform/scintilla/SciView.h"

#include "platform/scintilla/HiddenLines.h"
#include "platform/scintilla/PaintGuard.h"

#include <QAccessibleWidget>
#include <QDropEvent>
#include <QPaintEvent>

#include <algorithm>
#include <bit>
#include <functional>

namespace {
// Qt's raster engine hands a patterned fill of this many rows or more to its
// thread pool, which costs ten times the fill itself; Scintilla fills the
// fold margin with its pattern from the top of the view to the bottom, so a
// paint of the whole view paints the margins in bands below it.
constexpr int kThreadedFillRows = 96;
constexpr int kMarginBandRows = kThreadedFillRows - 1;
constexpr int kLastMargin = 4;

// Of two marker lines found searching one way, the nearer; -1 for none.
long nearerLine(bool forward, long found, long other) {
    if (found < 0 || other < 0)
        return std::max(found, other);
    return forward ? std::min(found, other) : std::max(found, other);
}

// Calls visit with each marker number whose bit is set in the mask.
template <typename Visit>
void forEachNumber(unsigned mask, Visit visit) {
    for (; mask; mask &= mask - 1)
        visit(std::countr_zero(mask));
}

long nextViewId() {
    static long last = 0;
    return ++last;
}

constexpr long kAnnounced = QsciScintillaBase::SC_MOD_BEFOREINSERT | QsciScintillaBase::SC_MOD_BEFOREDELETE;

bool isMarkerQuery(unsigned int message) {
    return message == QsciScintillaBase::SCI_MARKERGET || message == QsciScintillaBase::SCI_MARKERNEXT
        || message == QsciScintillaBase::SCI_MARKERPREVIOUS;
}

bool isMarkerMessage(unsigned int message) {
    switch (message) {
    case QsciScintillaBase::SCI_MARKERADD:
    case QsciScintillaBase::SCI_MARKERADDSET:
    case QsciScintillaBase::SCI_MARKERDELETE:
    case QsciScintillaBase::SCI_MARKERDELETEALL:
    case QsciScintillaBase::SCI_MARKERDELETEHANDLE:
    case QsciScintillaBase::SCI_MARKERLINEFROMHANDLE:
        return true;
    default:
        return false;
    }
}

// QScintilla's accessible text counts the characters from the document's
// start at every change and caret move, once anyone asked for it, even with
// no assistive technology listening. A view gets it only while one is.
QAccessibleInterface* plainViewAccessible(const QString&, QObject* object) {
    if (QAccessible::isActive())
        return nullptr;
    if (auto* view = qobject_cast<SciView*>(object))
        return new QAccessibleWidget(view, QAccessible::EditableText);
    return nullptr;
}

// After QScintilla's own factory, which its first view installs: the last
// installed is asked first.
void installPlainAccessibility() {
    static bool installed = false;
    if (!installed)
        QAccessible::installFactory(plainViewAccessible);
    installed = true;
}
}

SciView::SciView(QWidget* parent) : QsciScintillaBase(parent), viewId_(nextViewId()) {
    // QScintilla starts in UTF-8 with LF line ends; Korvo's text is one byte
    // per character with CRLF lines, and this must hold before any text loads.
    send(SCI_SETCODEPAGE, 0);
    send(SCI_SETEOLMODE, SC_EOL_CRLF);
    // Each shown line keeps its layout: with the component's default one
    // layout is shared by every line, and a paint of a very long line beside
    // any other measures the long one again.
    send(SCI_SETLAYOUTCACHE, SC_CACHE_PAGE);
    connect(this, &QsciScintillaBase::SCN_MODIFIED, this,
            [this](int position, int modificationType, const char*, int length, int linesAdded) {
                if (modificationType & SC_MOD_BEFOREDELETE)
                    linesAboutToGo(position, length);
                changed(position, modificationType, linesAdded);
            });
    installPlainAccessibility();
}

// Scintilla draws only the region asked for. A paint whose styling or
// notifications change lines outside that region is abandoned by Scintilla,
// and QScintilla asks for a paint of the whole view from the event loop
// (an update, never a repaint), so nothing stays stale and no painter is
// opened inside another. A paint asked for inside a paint or a notification
// is put off to the event loop.
void SciView::dropEvent(QDropEvent* event) {
    QsciScintillaBase::dropEvent(event);
    if (!event->isAccepted())
        return;
    activateWindow();
    setFocus(Qt::MouseFocusReason);
}

void SciView::paintEvent(QPaintEvent* event) {
    if (platform::paintWouldReenter()) {
        platform::notePutOffPaint();
        viewport()->update(event->region());
        return;
    }
    platform::PaintScope painting;
    const QRect area = event->rect();
    const int marginsRight = area.height() < kThreadedFillRows ? 0 : marginsWidth();
    if (area.left() >= marginsRight) {
        QsciScintillaBase::paintEvent(event);
        return;
    }
    // The text first: the styling and notifications of a paint come with it,
    // and they change nothing outside what it paints.
    if (area.right() >= marginsRight) {
        QPaintEvent text(area.adjusted(marginsRight - area.left(), 0, 0, 0));
        QsciScintillaBase::paintEvent(&text);
    }
    for (int top = area.top(); top <= area.bottom(); top += kMarginBandRows) {
        QPaintEvent band(QRect(area.left(), top, marginsRight - area.left(), std::min(kMarginBandRows, area.bottom() - top + 1)));
        QsciScintillaBase::paintEvent(&band);
    }
}

int SciView::marginsWidth() const {
    int width = 0;
    for (int margin = 0; margin <= kLastMargin; ++margin)
        width += static_cast<int>(SendScintilla(SCI_GETMARGINWIDTHN, static_cast<unsigned long>(margin)));
    return width;
}

void SciView::keepMarkersItself(unsigned numbers) {
    keptNumbers_ = numbers;
    ++textChanges_;  // what happened while nothing was kept went unseen
    for (LineCounts& counts : kept_)
        counts.clear();
    askedEvents_ = SendScintilla(SCI_GETMODEVENTMASK);
    SendScintilla(SCI_SETMODEVENTMASK, static_cast<unsigned long>(askedEvents_ | kAnnounced));
    reportedLines_ = SendScintilla(SCI_GETLINECOUNT);
}

void SciView::trackMarkerLines(unsigned numbers) {
    markers_.track(numbers);
    reportedLines_ = SendScintilla(SCI_GETLINECOUNT);
}

bool SciView::trackedMarkersOn(long line, std::vector<int>& handles) const {
    if (!markers_.tracked() || !indexHolds())
        return false;
    markers_.handlesOn(line, handles);
    return true;
}

sptr_t SciView::send(unsigned int message, uptr_t wParam, sptr_t lParam) const {
    // QScintilla leaves this message to the platform and ignores it, so a
    // view asked to take the keyboard focus would never get it.
    if (message == SCI_GRABFOCUS) {
        const_cast<SciView*>(this)->setFocus(Qt::OtherFocusReason);
        return 0;
    }
    if (keptNumbers_ && (isMarkerMessage(message) || isMarkerQuery(message) || message == SCI_SETMODEVENTMASK
                             || message == SCI_GETMODEVENTMASK))
        return const_cast<SciView*>(this)->sendKept(message, wParam, lParam);
    if (isMarkerMessage(message))
        return const_cast<SciView*>(this)->sendTracked(message, wParam, lParam);
    if (message == SCI_SETFOLDLEVEL)
        return const_cast<SciView*>(this)->setFoldLevel(static_cast<long>(wParam), lParam);
    if (message == SCI_SETSELBACK || message == SCI_SETSELFORE)
        return const_cast<SciView*>(this)->setSelectionColour(message, wParam, lParam);
    return SendScintilla(message, wParam, lParam);
}

// Any colour message makes the component lay out every shown line again at
// the next paint, all of a line however long (seconds for a line of
// megabytes). The selection's colour is sent at every change of focus, the
// first time the colour the view already has.
long SciView::setSelectionColour(unsigned int message, unsigned long wParam, long lParam) {
    std::optional<SentColour>& sent = message == SCI_SETSELBACK ? selectionBack_ : selectionFore_;
    const SentColour colour{wParam, lParam};
    if (sent == colour)
        return 0;
    sent = colour;
    return SendScintilla(message, wParam, lParam);
}

long SciView::setFoldLevel(long line, long level) {
    const long before = SendScintilla(SCI_GETFOLDLEVEL, static_cast<unsigned long>(line));
    // Setting the level a line has already changes nothing: a parse sets
    // every line's, most often to what it was.
    if (before == level)
        return before;
    const long result = SendScintilla(SCI_SETFOLDLEVEL, static_cast<unsigned long>(line), level);
    if (SendScintilla(SCI_GETFOLDLEVEL, static_cast<unsigned long>(line)) != before)
        hiddenlines::foldLevelChanged(*this, line);
    return result;
}

// A deletion across line ends takes lines away from Scintilla's record of
// what is hidden: the collapsed headers among them open first.
void SciView::linesAboutToGo(long position, long length) {
    const long first = SendScintilla(SCI_LINEFROMPOSITION, static_cast<unsigned long>(position));
    const long last = SendScintilla(SCI_LINEFROMPOSITION, static_cast<unsigned long>(position + length));
    if (last > first)
        hiddenlines::openFoldsAboutToGo(*this, first, last);
}

long SciView::sendTracked(unsigned int message, unsigned long wParam, long lParam) {
    settleChange();
    const long line = static_cast<long>(wParam);
    const int number = static_cast<int>(lParam);
    switch (message) {
    case SCI_MARKERADD: {
        const long handle = SendScintilla(message, wParam, lParam);
        if (handle >= 0)
            searched_.added(number, line);
        return markerAdded(handle, number, line);
    }
    case SCI_MARKERADDSET: {
        // Handles of the tracked numbers must be known, so they go one by one.
        long untracked = lParam;
        for (int n = 0; n < 32; ++n) {
            if ((lParam >> n & 1) && markers_.tracks(n)) {
                sendTracked(SCI_MARKERADD, wParam, n);
                untracked &= ~(1L << n);
            }
        }
        return untracked ? SendScintilla(message, wParam, untracked) : 0;
    }
    case SCI_MARKERDELETE:
        markers_.deletedOnLine(line, number);
        searched_.deletedOnLine(line, number);
        break;
    case SCI_MARKERDELETEALL:
        markers_.deletedEverywhere(static_cast<int>(wParam));
        searched_.deletedEverywhere(static_cast<int>(wParam));
        if (static_cast<int>(wParam) == -1) {
            stale_ = false;
            reportedLines_ = SendScintilla(SCI_GETLINECOUNT);
        }
        break;
    case SCI_MARKERDELETEHANDLE:
        return deleteMarkerHandle(static_cast<long>(wParam));
    case SCI_MARKERLINEFROMHANDLE:
        return markerLine(static_cast<long>(wParam));
    }
    return SendScintilla(message, wParam, lParam);
}

bool SciView::validLine(long line) const {
    return line >= 0 && line < SendScintilla(SCI_GETLINECOUNT);
}

bool SciView::keeps(long number) const {
    return number >= 0 && number < 32 && (keptNumbers_ >> number & 1u);
}

void SciView::forEachKept(const std::function<void(LineCounts&)>& visit) {
    forEachNumber(keptNumbers_, [&](int n) { visit(kept_[static_cast<size_t>(n)]); });
}

long SciView::sendKept(unsigned int message, unsigned long wParam, long lParam) {
    settleChange();
    const long line = static_cast<long>(wParam);
    const long keptMask = static_cast<long>(keptNumbers_);
    switch (message) {
    case SCI_SETMODEVENTMASK:
        askedEvents_ = static_cast<long>(wParam);
        return SendScintilla(message, static_cast<unsigned long>(askedEvents_ | kAnnounced));
    case SCI_GETMODEVENTMASK:
        return askedEvents_;
    case SCI_MARKERADD:
        if (!keeps(lParam))
            break;
        if (!validLine(line))
            return -1;
        kept_[static_cast<size_t>(lParam)].add(line);
        return 0;
    case SCI_MARKERADDSET:
        if (lParam & keptMask) {
            if (validLine(line))
                forEachNumber(static_cast<unsigned>(lParam & keptMask),
                              [&](int n) { kept_[static_cast<size_t>(n)].add(line); });
            lParam &= ~keptMask;
            if (!lParam)
                return 0;
        }
        break;
    case SCI_MARKERDELETE:
        if (keeps(lParam)) {
            kept_[static_cast<size_t>(lParam)].remove(line);
            return 0;
        }
        if (lParam == -1)
            forEachKept([line](LineCounts& counts) { counts.clearLine(line); });
        break;
    case SCI_MARKERDELETEALL:
        if (keeps(static_cast<int>(wParam))) {
            kept_[wParam].clear();
            return 0;
        }
        if (static_cast<int>(wParam) == -1)
            forEachKept([](LineCounts& counts) { counts.clear(); });
        break;
    case SCI_MARKERGET: {
        long markers = SendScintilla(message, wParam);
        forEachNumber(keptNumbers_, [&](int n) {
            if (kept_[static_cast<size_t>(n)].at(line))
                markers |= 1L << n;
        });
        return markers;
    }
    case SCI_MARKERNEXT:
    case SCI_MARKERPREVIOUS: {
        const bool forward = message == SCI_MARKERNEXT;
        long found = markerSearch(message, line, lParam & ~keptMask);
        forEachNumber(static_cast<unsigned>(lParam & keptMask), [&](int n) {
            const LineCounts& counts = kept_[static_cast<size_t>(n)];
            found = nearerLine(forward, found, forward ? counts.next(line) : counts.previous(line));
        });
        return found;
    }
    }
    if (isMarkerMessage(message))
        return sendTracked(message, wParam, lParam);
    return SendScintilla(message, wParam, lParam);
}

// Scintilla walks its lines one at a time, to the end with a mask of nothing.
long SciView::markerSearch(unsigned int message, long line, long mask) {
    const bool forward = message == SCI_MARKERNEXT;
    const unsigned own = indexHolds() ? searched_.answers(static_cast<unsigned>(mask)) : 0u;
    const long asked = mask & ~static_cast<long>(own);
    const long found = asked ? SendScintilla(message, static_cast<unsigned long>(line), asked) : -1;
    if (!own)
        return found;
    return nearerLine(forward, found, forward ? searched_.next(line, own) : searched_.previous(line, own));
}

long SciView::markerAdded(long handle, int number, long line) {
    if (handle < 0 || !markers_.tracks(number))
        return handle;
    markers_.added(static_cast<int>(handle), number, line);
    if (trackedHandles_.size() <= static_cast<size_t>(handle))
        trackedHandles_.resize(static_cast<size_t>(handle) * 2 + 64);
    trackedHandles_[static_cast<size_t>(handle)] = true;
    return handle;
}

bool SciView::indexHolds() const {
    const_cast<SciView*>(this)->settleChange();
    if (!stale_ && SendScintilla(SCI_GETLINECOUNT) != reportedLines_)
        stale_ = true;
    return !stale_;
}

long SciView::markerLine(long handle) const {
    if (indexHolds() && handle >= 0 && static_cast<size_t>(handle) < trackedHandles_.size()
        && trackedHandles_[static_cast<size_t>(handle)])
        return markers_.lineOf(static_cast<int>(handle));
    return SendScintilla(SCI_MARKERLINEFROMHANDLE, static_cast<unsigned long>(handle));
}

// Scintilla deletes a marker by its handle only after finding its line from
// the top; deleting by line and number is direct, and picks the same marker
// when it is the first of its number that Scintilla would delete there.
long SciView::deleteMarkerHandle(long handle) {
    const long line = markerLine(handle);
    const int number = markers_.numberOf(static_cast<int>(handle));
    if (line >= 0 && number >= 0 && indexHolds()) {
        searched_.deletedOnLine(line, number);
        if (markers_.deletedFirst(static_cast<int>(handle)) >= 0)
            return SendScintilla(SCI_MARKERDELETE, static_cast<unsigned long>(line), number);
    }
    markers_.deletedHandle(static_cast<int>(handle));
    return SendScintilla(SCI_MARKERDELETEHANDLE, static_cast<unsigned long>(handle));
}

void SciView::changed(int position, int modificationType, int linesAdded) {
    if (modificationType & (SC_MOD_BEFOREINSERT | SC_MOD_BEFOREDELETE | SC_MOD_INSERTTEXT | SC_MOD_DELETETEXT))
        ++textChanges_;
    if (modificationType & (SC_MOD_BEFOREINSERT | SC_MOD_BEFOREDELETE)) {
        settleChange();
        pending_ = PendingChange{position, bool(modificationType & SC_MOD_BEFOREDELETE), long(SendScintilla(SCI_GETLINECOUNT))};
    } else if (modificationType & (SC_MOD_INSERTTEXT | SC_MOD_DELETETEXT)) {
        if (pending_)
            settleChange();
        else
            linesChanged(position, modificationType & SC_MOD_DELETETEXT, linesAdded);
        pending_.reset();
    }
}

// A change that has not touched the line count may not have happened yet:
// it stays pending until the count moves or the next change comes.
void SciView::settleChange() {
    if (!pending_)
        return;
    const long lines = SendScintilla(SCI_GETLINECOUNT);
    const bool emptied = pending_->deletion && SendScintilla(SCI_GETLENGTH) == 0;
    if (lines == pending_->linesBefore && !emptied)
        return;
    const PendingChange change = *pending_;
    pending_.reset();
    linesChanged(change.position, change.deletion, lines - change.linesBefore);
}

void SciView::linesChanged(long position, bool deletion, long linesAdded) {
    reportedLines_ += linesAdded;
    // Scintilla starts its line data afresh when the whole text goes.
    if (deletion && SendScintilla(SCI_GETLENGTH) == 0) {
        markers_.deletedEverywhere(-1);
        searched_.deletedEverywhere(-1);
        forEachKept([](LineCounts& counts) { counts.clear(); });
        return;
    }
    if (!linesAdded)
        return;
    const long line = SendScintilla(SCI_LINEFROMPOSITION, static_cast<unsigned long>(position));
    if (linesAdded > 0) {
        const bool atLineStart = SendScintilla(SCI_POSITIONFROMLINE, static_cast<unsigned long>(line)) == position;
        markers_.linesInserted(line, atLineStart, linesAdded);
        searched_.linesInserted(line, atLineStart, linesAdded);
        forEachKept([&](LineCounts& counts) { counts.linesInserted(line, atLineStart, linesAdded); });
    } else {
        markers_.linesDeleted(line, -linesAdded);
        searched_.linesDeleted(line, -linesAdded);
        forEachKept([&](LineCounts& counts) { counts.linesDeleted(line, -linesAdded); });
    }
}

SciHandle::SciHandle(SciView* view) : view_(view), id_(view ? view->viewId() : 0) {}

sptr_t SciDirect(const SciHandle& handle, unsigned int message, uptr_t wParam, sptr_t lParam) {
    SciView* view = handle.view();
    return view ? view->send(message, wParam, lParam) : 0;
}
