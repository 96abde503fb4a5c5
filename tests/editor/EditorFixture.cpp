#include "editor/EditorFixture.h"

#include "editor/CurrentView.h"
#include "editor/EditorSetup.h"
#include "platform/scintilla/SciDirectCalls.h"
#include "vocabulary/SettingsValues.h"

#include <QApplication>
#include <QKeyEvent>

void EditorTest::SetUp() {
    KorvoTest::SetUp();
    GetOptions();
    GetEditOptions();
    gUndoGroupOpen = false;
}

void EditorTest::TearDown() {
    gActiveDoc = nullptr;
    gSciWndData = SciHandle();
    KorvoTest::TearDown();
}

std::unique_ptr<frmDoc> EditorTest::openDocument(const QByteArray& text, const QString& name) {
    auto doc = std::make_unique<frmDoc>();
    SciLoadText(doc->SciEdi_WndData, text);
    gActiveDoc = doc.get();
    gSciWndData = doc->SciEdi_WndData;
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
