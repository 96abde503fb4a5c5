#include "ShownView.h"

#include "platform/scintilla/SciView.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWindow>

bool ShowForTyping(QWidget& window) {
    window.resize(1000, 800);
    window.show();
    // Painting starts once the window is on the screen.
    for (int i = 0; i < 500 && !(window.windowHandle() && window.windowHandle()->isExposed()); ++i)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    return window.windowHandle() && window.windowHandle()->isExposed();
}

void SendKeyAndPaint(SciView& view, int key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(&view, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(&view, &release);
    // As the window does: what the key left dirty is painted, and no more.
    QApplication::sendPostedEvents(view.window(), QEvent::UpdateRequest);
}

int KeyOf(char c) {
    if (c >= 'a' && c <= 'z')
        return Qt::Key_A + (c - 'a');
    return c;
}
