#pragma once

#include "platform/dock/LayoutData.h"

// The entries of a popup or a command bar. Positions count from 1, as the
// callers count them; 0 means not found.
namespace dock::controls {

int find(const QList<ControlData>& controls, const QString& key);
// Inserts before position, or appends when position is 0 or past the end.
void insert(QList<ControlData>& controls, const ControlData& control, int position);
// Raises error 9 for a position that holds no entry.
ControlData& at(QList<ControlData>& controls, int position);
void remove(QList<ControlData>& controls, int position);

}
