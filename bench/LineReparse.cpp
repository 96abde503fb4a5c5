#include "LineReparse.h"

#include "OpenedDocument.h"
#include "language/parser/DocumentPasses.h"
#include "language/parser/Parser.h"
#include "language/parser/Unparse.h"

#include <QElapsedTimer>
#include <QList>

#include <algorithm>
#include <cstdio>

namespace {

struct Kind {
    const char* name;
    const char* opening;  // what the line starts with, blanks aside
};

const Kind kKinds[] = {
    {"Function", "Function "}, {"End Function", "End Function"}, {"Type", "Type "},
    {"Field", "Field "},       {"Global", "Global "},           {"Local", "Local "},
};

constexpr int kRounds = 200;

// Microseconds per re-parse, the fastest of a few batches.
double reparseMicroseconds(int line) {
    double best = 1e30;
    for (int batch = 0; batch < 5; ++batch) {
        QElapsedTimer timer;
        timer.start();
        for (int round = 0; round < kRounds; ++round) {
            UnparseLine(line, false);
            Parseline(line, false);
        }
        best = std::min(best, timer.nsecsElapsed() / 1e3 / kRounds);
    }
    return best;
}

}

void PrintLineReparseTimes(const QString& path, const QByteArray& text) {
    const QList<QByteArray> lines = text.split('\n');
    OpenedDocument doc = OpenSourceFile(path);
    if (!doc)
        return;
    std::printf("re-parse of one line (unparse + parse), microseconds\n");
    for (const Kind& kind : kKinds) {
        int first = -1;
        int last = -1;
        for (int i = 0; i < lines.size(); ++i) {
            if (lines[i].trimmed().startsWith(kind.opening)) {
                first = first < 0 ? i : first;
                last = i;
            }
        }
        if (first < 0)
            continue;
        const double top = reparseMicroseconds(first);
        const double bottom = reparseMicroseconds(last);
        std::printf("  %-13s line %7d: %8.1f   line %7d: %8.1f   bottom/top %.2f\n", kind.name, first, top, last, bottom,
                    bottom / top);
    }
}
