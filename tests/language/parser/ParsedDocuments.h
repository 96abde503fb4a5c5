#pragma once

#include "OpenedDocument.h"
#include "editor/frmDoc.h"
#include "files/Project.h"
#include "language/keywords/Compiler.h"
#include "language/model/ModelDump.h"
#include "support/TestEnvironment.h"

#include <QByteArray>
#include <QString>

#include <memory>
#include <vector>

// Documents of Blitz Basic text, opened as files alone and parsed, under the
// keywords of a small listing (or another one).
class ParsedDocumentsTest : public KorvoTest {
protected:
    void SetUp() override;
    void TearDown() override;

    void useKeywords(const QByteArray& listing);
    void useKeywordFile(const QString& path);
    // Opens the text as a file alone, makes it current and parses it.
    frmDoc& parse(const QByteArray& text, const QString& name = QStringLiteral("test.bb"));
    // Opens a second document into the project of the first and parses it.
    frmDoc& parseInProjectOf(frmDoc& first, const QByteArray& text, const QString& name);
    // Makes the document and its project current.
    void makeCurrent(frmDoc& doc);

    // Inserts text at the start of line, as typing it would, then parses
    // each new line as the notification handler does once the caret left it.
    void typeLinesAt(int line, const QByteArray& text);

    CodeModel& project() const;
    QByteArray documentText() const;
    QByteArray lineText(int line) const;
    long markers(int line) const;
    bool hasMarker(int line, int marker) const { return markers(line) & (1L << marker); }
    int foldLevel(int line) const;
    int indentation(int line) const;
    int styleAt(long position) const;
    long lineOf(const CodeRecord& record) const;
    QString errorLog() const;

    std::vector<OpenedDocument> docs;

private:
    std::unique_ptr<ClsCompiler> compiler_;
};

template <typename Record>
std::shared_ptr<Record> recordIn(const clsHash& table, const QString& name) {
    return std::dynamic_pointer_cast<Record>(table.ItemHash(name));
}
