#include "language/colour/CaseCorrection.h"

#include "editor/SciWrappers.h"

void ReplaceRange(long Start, const QString& Text, long Length) {
    try {
        SciSetTargetStart(Start);
        SciSetTargetEnd(Start + Length);
        SciReplaceTarget(-1, Text);
    } catch (...) {
    }
}
