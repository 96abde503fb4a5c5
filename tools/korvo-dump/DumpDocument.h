#pragma once

#include "editor/frmDoc.h"
#include "files/Project.h"
#include "language/keywords/Compiler.h"

#include <QString>
#include <QStringList>

#include <memory>

// A source file as the dump modes see it: Korvo started headless, the
// keywords of a listing (or a built-in one) active, the file opened by
// itself as the current document and parsed.
class DumpDocument {
public:
    // Keywords is the listing's path, or "" for the built-in keywords.
    // Before the file is parsed, beforeParse runs. Prints what went wrong
    // and returns False when something cannot be read.
    bool open(const QString& path, const QString& Keywords, const std::function<void()>& beforeParse = {});
    ~DumpDocument();

    frmDoc& doc() const { return *doc_; }
    ClsProject& project() const;

private:
    ClsCompiler compiler_;
    std::unique_ptr<frmDoc> doc_;
    QString path_;
};

// Takes "--name VALUE" out of args: VALUE, or "" when absent. Set when
// the option was given without a value.
QString takeOption(QStringList& args, const QString& name, bool* missingValue);
// Takes "--name" out of args: whether it was there.
bool takeFlag(QStringList& args, const QString& name);

// For a mode whose arguments, its own options taken out, are FILE.bb
// LINE:COLUMN [--lng KEYWORDS]: opens the file and puts the caret there.
// 0 when done, else the code the mode returns.
int OpenAtCaret(DumpDocument& document, QStringList args, const char* mode);

// A "LINE:COLUMN" as a position of the current view, kept inside the
// line; -1 when the text is no such pair or the line does not exist.
long PositionOfLineColumn(const QString& lineColumn);
