#include "language/parser/ScopeMoves.h"

#include "editor/CurrentView.h"
#include "editor/SciWrappers.h"
#include "platform/scintilla/SciDirectCalls.h"

namespace {

bool inSpan(const CodeRecord& record, LineSpan lines) {
    if (!(record.SciWndData == gSciWndData))
        return false;
    const long line = SciMarkerLineFromHandle(record.SciWndData, record.Handle);
    return (line >= lines.first && line < lines.end) || (lines.throughEnd && line == lines.end && !record.AfterBoundary);
}

}

LineSpan ThroughNextBoundary(long first, long mask) {
    const long next = SciMarkerNext(first + 1, mask);
    if (next < 0)
        return {first, kBeyondLastLine};
    return {first, next, true};
}

// Hands each record of from whose line lies in lines to put, then removes it.
template <typename Put>
void moveOut(clsHash& from, LineSpan lines, Put put) {
    if (from.Count() == 0)
        return;
    for (const CodeRecordPtr& record : from.Items()) {
        if (!record || !inSpan(*record, lines))
            continue;
        put(record);
        // By its own handle: a parameter of the same name may share its line.
        from.RemovePoHandle(record->Ime, record->Handle);
    }
}

void MoveRecords(clsHash& from, clsHash& to, LineSpan lines) {
    moveOut(from, lines, [&](const CodeRecordPtr& record) { to.Add(record->Ime, record); });
}

void MoveRecords(clsHash& from, OrphanFields& to, LineSpan lines) {
    moveOut(from, lines, [&](const CodeRecordPtr& record) { to.insert(record->Handle, record); });
}

void MoveRecords(OrphanFields& from, clsHash& to, LineSpan lines) {
    for (auto it = from.begin(); it != from.end();) {
        if (it.value() && inSpan(*it.value(), lines)) {
            to.Add(it.value()->Ime, it.value());
            it = from.erase(it);
        } else {
            ++it;
        }
    }
}
