#pragma once

#include "foundation/CodeRecord.h"
#include "foundation/Hash.h"

#include <QLatin1StringView>
#include <QMap>

// A scope boundary typed into or taken out of a document hands the
// declarations on one side of it to another scope. Only records of the
// current view's document move: marker handles are numbered per document,
// so a record of another document may carry the same handle.

// Orphan fields of a document, keyed by their marker handle.
using OrphanFields = QMap<int, CodeRecordPtr>;

// Lines from first up to, not including, end.
struct LineSpan {
    long first;
    long end;
};

constexpr long kBeyondLastLine = 1000000;

// From line `first` through the next line below it with a marker of the
// mask (a scope boundary), or to the end: a boundary line's declarations
// before its own End belong to the scope that the End closes. A boundary
// line that begins with the opener ("Function", "Type") or its End is left
// out: its declarations belong to the scope it opens or, after its End, to
// the one around it.
LineSpan ThroughNextBoundary(long first, long mask, QLatin1StringView opener);

void MoveRecords(clsHash& from, clsHash& to, LineSpan lines);
void MoveRecords(clsHash& from, OrphanFields& to, LineSpan lines);
void MoveRecords(OrphanFields& from, clsHash& to, LineSpan lines);
