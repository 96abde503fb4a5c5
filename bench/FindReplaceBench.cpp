#include "FindReplaceBench.h"
#include "GeneratedProgram.h"
#include "OpenedDocument.h"

#include "aids/SearchEngine.h"
#include "editor/SciWrappers.h"
#include "editor/frmDoc.h"
#include "platform/Prompt.h"
#include "vocabulary/Markers.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

// The generated program with "; mark" after every fifth line.
QByteArray markedProgram(int lines) {
    QByteArray text;
    int line = 0;
    for (const QByteArray& row : generateProgram(lines).split('\n')) {
        if (row.isEmpty())
            continue;
        text += row.chopped(1) + (++line % 5 == 0 ? "\t; mark\r\n" : "\r\n");
    }
    return text;
}

// Milliseconds of the work and the paint it causes.
double paintedMs(frmDoc& doc, const std::function<void()>& work) {
    QElapsedTimer timer;
    timer.start();
    work();
    doc.Sci->viewport()->repaint();
    return timer.nsecsElapsed() / 1e6;
}

// The best of three rounds of each.
void timeOne(const QString& folder, int lines) {
    const QByteArray text = markedProgram(lines);
    OpenedDocument doc = OpenSourceText(folder + QStringLiteral("/marked.bb"), text);
    if (!doc)
        return;
    doc->resize(1000, 800);
    doc->show();
    doc->Sci->viewport()->repaint();

    SearchEngine engine;
    engine.Options.FindText = QStringLiteral("mark");
    engine.Options.ReplaceText = QStringLiteral("marked");
    engine.Options.StartAt = FindOptions::Top;
    engine.OptionsChanged();
    const double matches = lines / 5;
    double replace = 1e30;
    double undo = 1e30;
    double mark = 1e30;
    for (int round = 0; round < 3; ++round) {
        SciGotoPos(0);
        replace = std::min(replace, paintedMs(*doc, [&] { engine.ReplaceAll(); }));
        undo = std::min(undo, paintedMs(*doc, [] { SciUndo(); }));
        SciMarkerDeleteAll(MARKER_BOOKMARK);
        SciGotoPos(0);
        mark = std::min(mark, paintedMs(*doc, [&] { engine.MarkAll(); }));
    }
    std::printf("%6d lines, %5.0f matches: Replace All %8.1f ms (%.1f us/match), Undo %8.1f ms (%.1f us/match), "
                "Mark All %8.1f ms (%.1f us/match)\n",
                lines, matches, replace, replace * 1000 / matches, undo, undo * 1000 / matches, mark,
                mark * 1000 / matches);
}

}

void PrintFindReplaceTimes(const QString& folder) {
    platform::setPromptHandler([](const platform::PromptRequest& request) { return platform::defaultAnswer(request); });
    timeOne(folder, 5000);
    timeOne(folder, 50000);
}
