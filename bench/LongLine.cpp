#include "LongLine.h"

#include "OpenedDocument.h"
#include "ShownView.h"
#include "platform/AtomicFileWrite.h"
#include "platform/scintilla/SciView.h"

#include <QDir>
#include <QElapsedTimer>

#include <cstdio>

namespace {

constexpr long kMegabyte = 1L << 20;
constexpr double kGrowthGoal = 11.0;

QByteArray codeLine(long length) {
    QByteArray line = "x = 1";
    for (long term = 2; line.size() < length; ++term)
        line += " + " + QByteArray::number(term);
    line.truncate(length);
    return line + "\r\n";
}

QByteArray stringLine(long length) {
    QByteArray line = "a$ = \"";
    while (line.size() < length - 1)
        line += "lorem ipsum dolor sit amet ";
    line.truncate(length - 1);
    return line + "\"\r\n";
}

// From OpenFile until the window is on the screen and painted; -1 when it never shows.
double shownMs(const QString& path, const QByteArray& text) {
    if (!platform::writeFileBytesAtomically(path, text))
        return -1;
    QElapsedTimer timer;
    timer.start();
    OpenedDocument doc = OpenSourceFile(path);
    if (!doc || !ShowForTyping(*doc))
        return -1;
    doc->Sci->viewport()->repaint();
    return timer.nsecsElapsed() / 1e6;
}

void printShape(const QString& folder, const char* shape, QByteArray (*line)(long)) {
    const QString path = QDir(folder).filePath(QStringLiteral("long-line.bb"));
    const double small = shownMs(path, line(kMegabyte));
    const double large = shownMs(path, line(10 * kMegabyte));
    if (small <= 0 || large <= 0) {
        std::printf("one line of %s: the window never showed\n", shape);
        return;
    }
    const double growth = large / small;
    std::printf("one line of %s shown: 1 MB %.0f ms, 10 MB %.0f ms   x%.1f   goal <= %.0f: %s\n", shape, small, large,
                growth, kGrowthGoal, growth <= kGrowthGoal ? "met" : "NOT met");
}

}

void PrintLongLineTimes(const QString& folder) {
    // The first window of a run also loads the fonts and the window's parts.
    shownMs(QDir(folder).filePath(QStringLiteral("warm-up.bb")), codeLine(1000));
    printShape(folder, "code", codeLine);
    printShape(folder, "a string", stringLine);
}
