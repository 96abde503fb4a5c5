#include "language/colour/StyleRun.h"

#include "editor/SciWrappers.h"
#include "language/colour/ColouringFlags.h"
#include "language/colour/LineStyles.h"
#include "language/lexer/Lexer.h"
#include "language/parser/ParsedStyles.h"

#include <algorithm>

void StyleRun(long position, long length, int style) {
    if (gFindingUsesOnly)
        return;
    if (ParserStyles().takes(position)) {
        // The parser reads no line longer than kMaxLineLength.
        ParserStyles().set(int(position), int(std::min(length, long(kMaxLineLength) + 2)), style);
        return;
    }
    LineStyles& gathered = LightLineStyles();
    if (gathered.takes(position)) {
        gathered.set(position, length, style);
        return;
    }
    // Gathered runs are older than this one.
    gathered.flush();
    const long documentEnd = SciGetLength();
    const long first = std::max(position, 0L);
    if (first >= documentEnd)
        return;
    long lineEnd = SciPositionFromLine(SciLineFromPosition(first) + 1);
    if (lineEnd <= first || lineEnd > documentEnd)
        lineEnd = documentEnd;
    const long end = std::min(position + std::max(length, 0L), lineEnd);
    if (end <= first)
        return;
    SciStartStyling(first, 255);
    SciSetStyling(end - first, style);
}
