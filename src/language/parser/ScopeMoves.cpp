#include "language/parser/ScopeMoves.h"

#include "editor/CurrentView.h"
#include "editor/SciWrappers.h"
#include "platform/scintilla/SciDirectCalls.h"

namespace {

long lineOf(const CodeRecord& record) {
    return SciMarkerLineFromHandle(record.SciWndData, record.Handle);
}

bool inSpan(const CodeRecord& record, LineSpan lines, long* line) {
    if (!(record.SciWndData == gSciWndData))
        return false;
    *line = lineOf(record);
    return *line >= lines.first && *line < lines.end;
}

}

long NextBoundary(long line, long mask) {
    const long next = SciMarkerNext(line, mask);
    return next < 0 ? kBeyondLastLine : next;
}

// Hands each record of from whose line lies in lines to put, then removes it.
template <typename Put>
void moveOut(clsHash& from, LineSpan lines, Put put) {
    if (from.Count() == 0)
        return;
    for (const CodeRecordPtr& record : from.Items()) {
        long line = 0;
        if (!record || !inSpan(*record, lines, &line))
            continue;
        put(record);
        from.Remove(record->Ime, static_cast<int>(line), record->SciWndData);
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
        long line = 0;
        if (it.value() && inSpan(*it.value(), lines, &line)) {
            to.Add(it.value()->Ime, it.value());
            it = from.erase(it);
        } else {
            ++it;
        }
    }
}
