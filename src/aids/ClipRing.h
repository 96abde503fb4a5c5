#pragma once

#include <QByteArray>
#include <QList>

// Korvo's own clipboard: the last copied selections of this run, oldest
// first, each cut at kClipRingEntryMost bytes, with the number of lines its
// selection spanned. The capacity is gClipRingMaxItems.
constexpr int kClipRingEntryMost = 2000;

extern QList<QByteArray> gClipRingTexts;
extern QList<int> gClipRingLineCounts;
// The entry "Cycle Private" inserted last, counted from the newest (1), and
// the position where the run of cycles began.
extern int gClipRingCycleIndex;
extern long gClipRingAnchor;

void ClearClipRing();
// Entry i counted from the newest, 1 being the newest.
QByteArray ClipRingEntryFromNewest(int i);

// "Copy Private": adds the selection to the ring and copies it to the
// system clipboard; an empty selection changes nothing.
void CopyPrivate();
// "Cycle Private": at the place of the last cycle, replaces the entry it
// inserted by the next older one (after the oldest, the newest); elsewhere
// inserts the newest in place of the selection. The entry stays selected
// with the caret at its start.
void CyclePrivate();
// "Paste Private": lists the entries, newest first, at the caret; the one
// chosen replaces the selection.
void PastePrivate();
