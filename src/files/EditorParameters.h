#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// The editor-parameter block that follows the program text of a saved
// source file: a line end, ";~Korvo Editor Parameters:", then ";~F" lines
// of collapsed fold headers, ";~B" lines of bookmarks (up to 20 upper-case
// hex 0-based line numbers each, as "#1A"), ";~L#" the command line and
// ";~C#" the compiler, joined by line ends with no line end after the last.
// The line end is the text's own (CR LF or LF); reading takes either.
struct EditorParameters {
    QList<long> collapsedFolds;  // ascending
    QList<long> bookmarks;       // ascending
    std::optional<QString> commandLine;
    std::optional<QString> compiler;
};

constexpr int kMaxFoldEntries = 20000;
constexpr int kMaxBookmarkEntries = 2000;

// The block's bytes with the given line end; empty when there is nothing to
// record or more than kMaxFoldEntries folds or kMaxBookmarkEntries bookmarks.
QByteArray FormatEditorParameters(const EditorParameters& parameters, const QByteArray& lineEnd = "\r\n");

// The line end of the text's last line break ("\n" or "\r\n"); CR LF for
// a text without one.
QByteArray LineEndOf(const QByteArray& text);

// A block found in a text: what it records and the bytes it covers. The
// header counts only at the start of a line (the last such one, any letter
// case); the block runs from the line end before it through the last line
// that belongs to it, and through a line end that then ends the text.
struct EditorParametersBlock {
    EditorParameters parameters;
    qsizetype first = 0;
    qsizetype end = 0;  // exclusive
};
std::optional<EditorParametersBlock> FindEditorParameters(const QByteArray& text);

// The name on a ";~C#" line that ends the text (a final line end ignored);
// none when the text does not end with one.
std::optional<QString> CompilerLineName(const QByteArray& text);
