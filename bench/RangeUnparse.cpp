#include "RangeUnparse.h"

#include "GeneratedProgram.h"
#include "Median.h"
#include "OpenedDocument.h"
#include "ShownView.h"
#include "editor/SciWrappers.h"
#include "language/parser/DocumentPasses.h"

#include <QDir>
#include <QElapsedTimer>

#include <cstdio>
#include <vector>

namespace {

constexpr int kRounds = 5;
constexpr int kSizes[] = {12500, 50000, 200000};
// Select All + Delete four times the lines, in every run: at most this many times as long.
constexpr double kDeleteGrowthGoal = 4.4;

double unParseFileMs(const QString& path, const QByteArray& text) {
    OpenedDocument doc = OpenSourceText(path, text);
    if (!doc)
        return 0;
    std::vector<double> times;
    for (int round = 0; round < kRounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        UnParseFile();
        times.push_back(timer.nsecsElapsed() / 1e6);
        ParseFile();
    }
    return median(times);
}

double deleteAllMs(const QString& path, const QByteArray& text) {
    std::vector<double> times;
    for (int round = 0; round < kRounds; ++round) {
        OpenedDocument doc = OpenSourceText(path, text);
        if (!doc || !ShowForTyping(*doc))
            return 0;
        doc->Sci->viewport()->repaint();
        QElapsedTimer timer;
        timer.start();
        SciSelectAll();
        SendKeyAndPaint(*doc->Sci, Qt::Key_Delete, QString());
        times.push_back(timer.nsecsElapsed() / 1e6);
        doc->hide();
    }
    return median(times);
}

}

void PrintRangeUnparseTimes(const QString& folder) {
    double lastDelete = 0;
    double firstUnparse = 0;
    double firstDelete = 0;
    int firstSize = 0;
    std::printf("range unparses, ms (median of %d)      UnParseFile   Select All + Delete\n", kRounds);
    for (const int lines : kSizes) {
        const QByteArray text = generateProgram(lines);
        const QString path = QDir(folder).filePath(QStringLiteral("range-%1.bb").arg(lines));
        const double unparse = unParseFileMs(path, text);
        const double deleted = deleteAllMs(path, text);
        if (!firstSize) {
            firstSize = lines;
            firstUnparse = unparse;
            firstDelete = deleted;
        }
        std::printf("  %7d lines                          %10.1f   %10.1f      x%.1f lines: x%.1f and x%.1f\n", lines,
                    unparse, deleted, double(lines) / firstSize, unparse / firstUnparse, deleted / firstDelete);
        if (lastDelete > 0) {
            const double growth = deleted / lastDelete;
            std::printf("  Select All + Delete, %d / %d lines   x%.2f   goal <= %.1f: %s\n", lines, lines / 4, growth,
                        kDeleteGrowthGoal, growth <= kDeleteGrowthGoal ? "met" : "NOT met");
        }
        lastDelete = deleted;
    }
}
