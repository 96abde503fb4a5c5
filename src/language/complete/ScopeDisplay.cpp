#include "language/complete/ScopeDisplay.h"

#include "editor/SciWrappers.h"
#include "foundation/errors/ErrorLog.h"
#include "language/complete/CallTips.h"
#include "language/complete/QuickHelp.h"
#include "platform/AnsiText.h"

namespace {

constexpr int kShownCharacters = 80;

bool startsWith(long position, const char* word) {
    for (long i = 0; word[i]; ++i)
        if (SciGetCharAt(position + i) != static_cast<unsigned char>(word[i]))
            return false;
    return true;
}

// The line that opened the block closed at the indentation, or -1.
long openingLine(long Line, long indentation) {
    for (long line = Line - 1; line >= 0; --line) {
        const long depth = SciGetLineIndentation(line);
        const long first = SciGetLineIndentPosition(line);
        const bool comment = SciGetCharAt(first) == ';';
        if (depth > indentation || comment)
            continue;
        if (depth < indentation)
            return -1;
        if (!startsWith(first, "Else"))
            return line;
    }
    return -1;
}

QString shownText(long line) {
    QString text = platform::fromAnsi(SciGetLineText(line));
    text.remove(QLatin1Char('\t')).remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
    if (text.size() > kShownCharacters)
        text = text.left(kShownCharacters) + QStringLiteral("...");
    return text;
}

}

void ShowStartScope(long Line) {
    try {
        CancelCallTip();
        const long opening = openingLine(Line, SciGetLineIndentation(Line));
        const QString text = opening >= 0 ? shownText(opening) : QString();
        if (text.isEmpty()) {
            quickHelp().clear();
            return;
        }
        quickHelp().show(QStringLiteral(" SCOPE: ") + text, 1, 6, QuickHelp::kScopeColour);
    } catch (...) {
        SetErrorLog(QStringLiteral("ShowStartScope"), QStringLiteral("Mod_SciFun"));
    }
}
