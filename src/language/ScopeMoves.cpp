#include "language/ScopeMoves.h"

#include "editor/CurrentView.h"
#include "editor/SciDirectCalls.h"
#include "editor/SciWrappers.h"

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

void MoveRecords(clsHash& from, clsHash& to, LineSpan lines) {
    if (from.Count() == 0)
        return;
    for (const CodeRecordPtr& record : from.Items()) {
        long line = 0;
        if (!record || !inSpan(*record, lines, &line))
            continue;
        to.Add(record->Ime, record);
        from.Remove(record->Ime, static_cast<int>(line), record->SciWndData);
    }
}

void MoveRecords(clsHash& from, OrphanFields& to, LineSpan lines) {
    if (from.Count() == 0)
        return;
    for (const CodeRecordPtr& record : from.Items()) {
        long line = 0;
        if (!record || !inSpan(*record, lines, &line))
            continue;
        to.insert(record->Handle, record);
        from.Remove(record->Ime, static_cast<int>(line), record->SciWndData);
    }
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
