#include "LineStates.h"

#include "editor/Folding.h"
#include "editor/SciWrappers.h"
#include "vocabulary/Markers.h"

#include <algorithm>

QStringList LineStates() {
    constexpr long kParserMarkers = markerMask(MARKER_FUNCTION) | markerMask(MARKER_TYPE) | markerMask(MARKER_PARSED) |
                                    markerMask(MARKER_FOLDSTART) | markerMask(MARKER_FOLDEND) |
                                    markerMask(MARKER_MAINPROGRAM) | markerMask(MARKER_BLOCK) |
                                    markerMask(MARKER_BREAKPOINT);
    QStringList states;
    const long lines = long(SciGetLineCount());
    for (long line = 0; line < lines; ++line) {
        states += QStringLiteral("line %1 markers=%2 level=%3")
                      .arg(line)
                      .arg(long(SciMarkerGet(line)) & kParserMarkers, 0, 16)
                      .arg(long(SciGetFoldLevel(line)) & (kFoldNumberMask | kFoldHeaderFlag), 0, 16);
    }
    return states;
}

std::string DifferingLineStates(const QStringList& edited, const QStringList& fresh) {
    std::string text;
    for (qsizetype row = 0; row < std::max(edited.size(), fresh.size()); ++row) {
        const QString mine = row < edited.size() ? edited[row] : QString();
        const QString theirs = row < fresh.size() ? fresh[row] : QString();
        if (mine != theirs)
            text += mine.toStdString() + "   fresh: " + theirs.toStdString() + "\n";
    }
    return text;
}
