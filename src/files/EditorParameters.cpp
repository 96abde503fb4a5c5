#include "files/EditorParameters.h"

#include "foundation/NumberHelpers.h"
#include "platform/AnsiText.h"

#include <cstring>

namespace {

const QByteArray kHeader = ";~Korvo Editor Parameters:";
const QByteArray kCrLf = "\r\n";
constexpr int kEntriesPerLine = 20;

void appendLines(QByteArray& block, const QByteArray& lineEnd, const QByteArray& tag, const QList<long>& lines) {
    for (int i = 0; i < lines.size(); ++i) {
        if (i % kEntriesPerLine == 0)
            block += lineEnd + tag;
        block += '#' + QByteArray::number(qlonglong(lines[i]), 16).toUpper();
    }
}

QList<long> lineNumbers(const QByteArray& line) {
    QList<long> numbers;
    const QList<QByteArray> pieces = line.split('#');
    for (int i = 1; i < pieces.size(); ++i)
        numbers.append(HexToLong(QString::fromLatin1(pieces[i])));
    return numbers;
}

// The line starting at start, without its line end, and where the next begins.
QByteArray lineAt(const QByteArray& text, qsizetype start, qsizetype& next) {
    qsizetype lf = text.indexOf('\n', start);
    next = lf < 0 ? text.size() : lf + 1;
    qsizetype end = lf < 0 ? text.size() : lf;
    if (end > start && text[end - 1] == '\r')
        --end;
    return text.mid(start, end - start);
}

// The header's letters compare without case; its leading ";~" has none, so
// the text is searched backwards for its "~" and the rest compared where it
// stands, with no upper-cased copy of the whole text.
qsizetype lastHeaderAtLineStart(const QByteArray& text) {
    const char* const first = text.constData();
    for (size_t before = static_cast<size_t>(text.size());;) {
        const auto* tilde = static_cast<const char*>(memrchr(first, '~', before));
        if (!tilde)
            return -1;
        before = static_cast<size_t>(tilde - first);
        if (before == 0)
            continue;
        const qsizetype at = static_cast<qsizetype>(before) - 1;
        if (first[at] == ';' && (at == 0 || first[at - 1] == '\n') && text.size() - at >= kHeader.size()
            && qstrnicmp(first + at, kHeader.constData(), kHeader.size()) == 0)
            return at;
    }
}

}

QByteArray FormatEditorParameters(const EditorParameters& parameters, const QByteArray& lineEnd) {
    if (parameters.collapsedFolds.size() > kMaxFoldEntries || parameters.bookmarks.size() > kMaxBookmarkEntries)
        return {};
    QByteArray block;
    appendLines(block, lineEnd, ";~F", parameters.collapsedFolds);
    appendLines(block, lineEnd, ";~B", parameters.bookmarks);
    if (parameters.commandLine)
        block += lineEnd + ";~L#" + platform::toAnsi(*parameters.commandLine);
    if (parameters.compiler)
        block += lineEnd + ";~C#" + platform::toAnsi(*parameters.compiler);
    return block.isEmpty() ? block : lineEnd + kHeader + block;
}

QByteArray LineEndOf(const QByteArray& text) {
    const qsizetype lf = text.lastIndexOf('\n');
    return lf < 0 || (lf > 0 && text[lf - 1] == '\r') ? kCrLf : QByteArray("\n");
}

std::optional<EditorParametersBlock> FindEditorParameters(const QByteArray& text) {
    const qsizetype header = lastHeaderAtLineStart(text);
    if (header < 0)
        return std::nullopt;
    EditorParametersBlock block;
    block.first = header;
    if (header >= 2 && text[header - 2] == '\r')
        block.first = header - 2;
    else if (header >= 1)
        block.first = header - 1;

    qsizetype next = 0;
    block.end = header + lineAt(text, header, next).size();
    while (next < text.size()) {
        qsizetype after = 0;
        const QByteArray line = lineAt(text, next, after);
        const QByteArray tag = line.left(4);
        if (!line.startsWith(';'))
            break;
        if (tag == ";~F#")
            block.parameters.collapsedFolds += lineNumbers(line);
        else if (tag == ";~B#")
            block.parameters.bookmarks += lineNumbers(line);
        else if (tag == ";~L#")
            block.parameters.commandLine = platform::fromAnsi(line.mid(4));
        else if (tag != ";~C#")
            break;
        block.end = next + line.size();
        next = after;
        if (tag == ";~C#") {
            block.parameters.compiler = platform::fromAnsi(line.mid(4));
            break;
        }
    }
    const QByteArray rest = text.mid(block.end);
    if (rest == "\r\n" || rest == "\n")
        block.end = text.size();
    return block;
}

std::optional<QString> CompilerLineName(const QByteArray& text) {
    qsizetype end = text.size();
    if (end == 0)
        return std::nullopt;
    if (text.endsWith("\r\n"))
        end -= 2;
    else if (text.endsWith('\n'))
        end -= 1;
    const qsizetype start = end == 0 ? 0 : text.lastIndexOf('\n', end - 1) + 1;
    const QByteArray line = text.mid(start, end - start);
    if (!line.startsWith(";~C#"))
        return std::nullopt;
    return platform::fromAnsi(line.mid(4));
}
