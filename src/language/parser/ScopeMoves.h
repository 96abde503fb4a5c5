#pragma once

#include "foundation/CodeRecord.h"
#include "foundation/Hash.h"

#include <QMap>

// A scope boundary typed into or taken out of a document hands the
// declarations on one side of it to another scope. Only records of the
// current view's document move: marker handles are numbered per document,
// so a record of another document may carry the same handle.

// Orphan fields of a document, keyed by their marker handle.
using OrphanFields = QMap<int, CodeRecordPtr>;

// Lines from first up to, not including, end; with throughEnd, also what
// line end declares before its first boundary.
struct LineSpan {
    long first;
    long end;
    bool throughEnd = false;
};

constexpr long kBeyondLastLine = 1000000;

// From line `first` through the next line below it with a marker of the
// mask (a scope boundary), or to the end: what that boundary line declares
// before its first boundary belongs to the same scope as the lines above it.
LineSpan ThroughNextBoundary(long first, long mask);

void MoveRecords(clsHash& from, clsHash& to, LineSpan lines);
void MoveRecords(clsHash& from, OrphanFields& to, LineSpan lines);
void MoveRecords(OrphanFields& from, clsHash& to, LineSpan lines);
