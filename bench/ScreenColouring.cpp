#include "ScreenColouring.h"

#include "editor/SciWrappers.h"
#include "OpenedDocument.h"
#include "language/colour/Colouring.h"
#include "language/parser/DocumentPasses.h"
#include "language/parser/ParseState.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

constexpr long kScreenLines = 60;

void lightPass(long first) {
    gCurrentFunction.clear();
    gCurrentType.clear();
    for (long line = first; line < first + kScreenLines; ++line)
        ColorLineLight(static_cast<int>(line), true);
    EndLightColouringWalk();
}

void fullPass(long first) {
    for (long line = first; line < first + kScreenLines; ++line) {
        SciSetSel(SciGetLineEndPosition(line), SciGetLineEndPosition(line));
        ColorCurrentLine(static_cast<int>(line), false);
    }
}

// Milliseconds per screen, the fastest of a few.
double screenMs(const std::function<void(long)>& pass, long first) {
    double best = 1e30;
    for (int round = 0; round < 10; ++round) {
        QElapsedTimer timer;
        timer.start();
        pass(first);
        best = std::min(best, timer.nsecsElapsed() / 1e6);
    }
    return best;
}

}

void PrintScreenColouringTimes(const QString& path) {
    OpenedDocument doc = OpenSourceFile(path);
    if (!doc)
        return;
    const long end = std::max(SciGetLineCount() - kScreenLines, 0L);
    std::printf("light pass, %ld lines at the start  %.3f ms\n", kScreenLines, screenMs(lightPass, 0));
    std::printf("light pass, %ld lines at the end    %.3f ms\n", kScreenLines, screenMs(lightPass, end));
    std::printf("full pass, %ld lines at the start   %.3f ms\n", kScreenLines, screenMs(fullPass, 0));
    std::printf("full pass, %ld lines at the end     %.3f ms\n", kScreenLines, screenMs(fullPass, end));
}
