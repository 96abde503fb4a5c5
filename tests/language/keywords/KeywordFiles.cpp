#include "language/keywords/KeywordFiles.h"

QStringList blockKeywordLines() {
    return {"Field", "For", "Next", "While", "Wend", "Repeat", "Until", "Forever", "Type", "Function",
            "End", "Select", "Case", "Default", "If", "Then", "Else", "ElseIf", "EndIf"};
}

QByteArray keywordFileText(const QStringList& lines, int minSize) {
    QByteArray text;
    for (const QString& line : blockKeywordLines() + lines)
        text += line.toLatin1() + "\r\n";
    const qsizetype filler = minSize - text.size() - 2;
    if (filler > 0)
        text += "Z" + QByteArray(filler - 1, 'z') + "\r\n";
    return text;
}
