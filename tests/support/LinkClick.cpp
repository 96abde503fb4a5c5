#include "support/LinkClick.h"

#include "platform/browser/FrameView.h"

#include <QTest>
#include <QTextCursor>
#include <QTextDocument>

bool clickLink(browser::FrameView& view, const QString& text) {
    const QTextCursor found = view.document()->find(text);
    if (found.isNull() || !found.charFormat().isAnchor())
        return false;
    QWidget* window = view.window();
    if (!window->isVisible()) {
        window->resize(900, 700);
        window->show();
    }
    // A view that replaced another is shown and laid out by posted events.
    if (!QTest::qWaitFor([&view] { return view.isVisible() && view.viewport()->width() > 0; }, 10000))
        return false;
    // The middle of the link's first character.
    QTextCursor start(view.document());
    start.setPosition(found.selectionStart());
    QTextCursor next(view.document());
    next.setPosition(found.selectionStart() + 1);
    view.setTextCursor(start);
    view.ensureCursorVisible();
    const QRect from = view.cursorRect(start);
    const QRect to = view.cursorRect(next);
    const QPoint middle(to.top() == from.top() ? (from.left() + to.left()) / 2 : from.left() + 2, from.center().y());
    QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::NoModifier, middle);
    return true;
}
