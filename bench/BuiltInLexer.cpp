#include "BuiltInLexer.h"

#include "platform/AnsiText.h"
#include "platform/scintilla/SciView.h"

#include <cctype>

QByteArray LexerKeywords(const QString& listing) {
    QByteArray bytes;
    platform::readFileBytes(listing, bytes);
    QByteArray words;
    for (const QByteArray& line : bytes.split('\n')) {
        QByteArray name;
        for (const char c : line.trimmed()) {
            if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_')
                break;
            name += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
        if (!name.isEmpty())
            words += name + ' ';
    }
    return words;
}

void UseBuiltInLexer(SciView& view, const QByteArray& keywords) {
    const SciHandle handle(&view);
    SciDirect(handle, QsciScintillaBase::SCI_SETLEXERLANGUAGE, 0, reinterpret_cast<sptr_t>("blitzbasic"));
    SciDirect(handle, QsciScintillaBase::SCI_SETKEYWORDS, 0, reinterpret_cast<sptr_t>(keywords.constData()));
}
