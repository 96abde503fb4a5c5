#pragma once

#include "editor/frmDoc.h"
#include "support/FakeHost.h"
#include "support/TestEnvironment.h"

#include <QByteArray>
#include <QString>

// Documents opened and saved through a host that keeps its windows, with
// the compilers "Blitz" (the default) and "BlitzCC" installed.
class DocumentFilesTest : public KorvoTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes the file and opens it; the new document, or null.
    frmDoc* open(const QString& name, const QByteArray& bytes);
    // Closes the document's window and unloads it.
    void close(frmDoc* doc);
    QStringList captions() const;

    FakeHost host;
};
