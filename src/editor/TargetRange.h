#pragma once

#include <QByteArray>

// Replaces the text from StartPos up to EndPos of the current view by Text
// through the target. Both positions are first kept inside the document and
// in order, so a stale range never reaches the component.
void ReplaceTargetRange(long StartPos, long EndPos, const QByteArray& Text);
