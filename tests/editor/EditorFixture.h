#pragma once

#include "editor/frmDoc.h"
#include "support/TestEnvironment.h"

#include <cstddef>
#include <memory>

// Fresh settings with every editor option at its default, and documents
// made the way the file procedures make them: text loaded through the
// document's own view, made current, initialised and subclassed. The
// current view is cleared after each test.
class EditorTest : public KorvoTest {
protected:
    std::unique_ptr<frmDoc> openDocument(const QByteArray& text, const QString& name = QStringLiteral("test.bb"));
};

// The bytes of a literal, NUL bytes included.
template <std::size_t N>
QByteArray bytesOf(const char (&literal)[N]) {
    return QByteArray(literal, N - 1);
}

// Sends a key press and release to the view, as typing would.
void typeKey(SciView* view, int key, Qt::KeyboardModifiers modifiers, const QString& text = QString());
