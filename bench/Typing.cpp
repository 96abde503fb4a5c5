#include "Typing.h"

#include "editor/SciWrappers.h"
#include "files/SingleFileDocument.h"
#include "language/parser/DocumentPasses.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

constexpr int kCharacters = 200;
const char* const kTyped = "score = score + lives * 2 : ";

void sendKey(SciView* view, int key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(view, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(view, &release);
    view->viewport()->repaint();
}

int keyOf(char c) {
    if (c >= 'a' && c <= 'z')
        return Qt::Key_A + (c - 'a');
    return c;
}

// Milliseconds per keystroke, its paint included, over one round of typing
// on an empty line at the start or at the end of the document.
double keystrokeMs(frmDoc& doc, bool atStart) {
    if (atStart) {
        SciInsertText(0, "\r\n");
        SciGotoPos(0);
    } else {
        SciInsertText(SciGetLength(), "\r\n");
        SciGotoPos(SciGetLength());
    }
    doc.Sci->viewport()->repaint();
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < kCharacters; ++i) {
        const char c = kTyped[i % int(std::strlen(kTyped))];
        sendKey(doc.Sci, keyOf(c), QString(QLatin1Char(c)));
    }
    sendKey(doc.Sci, Qt::Key_Return, QStringLiteral("\r"));
    return timer.nsecsElapsed() / 1e6 / (kCharacters + 1);
}

}

void PrintTypingTimes(const QString& path, const QByteArray& text) {
    std::unique_ptr<frmDoc> doc = OpenSingleFileDocument(path, text);
    ParseFile();
    SciEmptyUndoBuffer();
    doc->SubClass();
    doc->resize(1000, 800);
    doc->show();
    // Painting starts once the window is on the (offscreen) screen.
    for (int i = 0; i < 200 && !(doc->windowHandle() && doc->windowHandle()->isExposed()); ++i)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    const long lines = SciGetLineCount();
    double start = 1e30;
    double end = 1e30;
    for (int round = 0; round < 5; ++round) {
        start = std::min(start, keystrokeMs(*doc, true));
        end = std::min(end, keystrokeMs(*doc, false));
    }
    std::printf("typing, %ld lines, at the start  %.3f ms a key\n", lines, start);
    std::printf("typing, %ld lines, at the end    %.3f ms a key\n", lines, end);
    doc->hide();
    CloseSingleFileDocument(std::move(doc));
}
