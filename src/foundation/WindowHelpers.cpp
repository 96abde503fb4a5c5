#include "foundation/WindowHelpers.h"

#include <Qsci/qsciscintillabase.h>

#include <QCursor>
#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace {
QPoint cursorIn(const QWidget* window) {
    const QPoint screen = QCursor::pos();
    return window ? window->mapFromGlobal(screen) : screen;
}
}

void AddWindowStyle(QWidget* window, int style) {
    auto* edit = qobject_cast<QLineEdit*>(window);
    if (edit && (style & ES_NUMBER))
        edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
}

void SendStyleNeeded(QsciScintillaBase* view) {
    if (view)
        emit view->SCN_STYLENEEDED(int(view->SendScintilla(QsciScintillaBase::SCI_GETLENGTH)));
}

int GetCursorX(const QWidget* window) {
    return cursorIn(window).x();
}

int GetCursorY(const QWidget* window) {
    return cursorIn(window).y();
}
