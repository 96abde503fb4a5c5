#include "editor/TargetRange.h"

#include "editor/SciWrappers.h"

#include <algorithm>

void ReplaceTargetRange(long StartPos, long EndPos, const QByteArray& Text) {
    const long length = SciGetLength();
    const long start = std::clamp(StartPos, 0L, length);
    const long end = std::clamp(EndPos, start, length);
    SciSetTargetStart(start);
    SciSetTargetEnd(end);
    SciReplaceTarget(Text.size(), Text);
}
