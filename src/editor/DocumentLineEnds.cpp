#include "editor/DocumentLineEnds.h"

#include "editor/SciWrappers.h"

#include <Qsci/qsciscintillabase.h>

QByteArray DocumentLineEnd() {
    return SciGetEOLMode() == QsciScintillaBase::SC_EOL_LF ? QByteArray("\n") : QByteArray("\r\n");
}

QByteArray InDocumentLineEnds(const QByteArray& text) {
    if (!text.contains('\r') && !text.contains('\n'))
        return text;
    const QByteArray lineEnd = DocumentLineEnd();
    QByteArray converted;
    converted.reserve(text.size() + text.size() / 8);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            converted += lineEnd;
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            converted += c;
        }
    }
    return converted;
}
