#include "editor/EditorFixture.h"

#include "editor/ActiveDocument.h"
#include "platform/scintilla/SciDirectCalls.h"

#include <QApplication>
#include <QKeyEvent>


std::unique_ptr<frmDoc> EditorTest::openDocument(const QByteArray& text, const QString& name) {
    auto doc = std::make_unique<frmDoc>();
    SciLoadText(doc->SciEdi_WndData, text);
    ActivateDocument(doc.get());
    doc->Initialise(name);
    doc->SubClass();
    return doc;
}

void typeKey(SciView* view, int key, Qt::KeyboardModifiers modifiers, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(view, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(view, &release);
}
