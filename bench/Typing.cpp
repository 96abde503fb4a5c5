#include "Typing.h"

#include "editor/SciWrappers.h"
#include "files/SingleFileDocument.h"
#include "language/parser/DocumentPasses.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>

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

// Milliseconds per keystroke, its paint included.
double keystrokeMs(frmDoc& doc, long position) {
    SciGotoPos(position);
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
    const long lines = SciGetLineCount();
    const double start = keystrokeMs(*doc, 0);
    const double end = keystrokeMs(*doc, SciGetLength());
    std::printf("typing, %ld lines, at the start  %.3f ms a key\n", lines, start);
    std::printf("typing, %ld lines, at the end    %.3f ms a key\n", lines, end);
    doc->hide();
    CloseSingleFileDocument(std::move(doc));
}
