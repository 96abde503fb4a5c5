#include "Typing.h"

#include "BuiltInLexer.h"
#include "Median.h"
#include "OpenedDocument.h"
#include "ShownView.h"
#include "platform/scintilla/SciDirectCalls.h"
#include "platform/scintilla/SciView.h"

#include <QElapsedTimer>

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

using S = QsciScintillaBase;

constexpr int kCharacters = 200;
constexpr int kRounds = 5;
const char* const kTyped = "score = score + lives * 2 : ";

// Milliseconds per keystroke, its paint included, over one round of typing
// on an empty line at the start or at the end of the document.
double keystrokeMs(SciView& view, bool atStart) {
    const SciHandle handle(&view);
    const long at = atStart ? 0 : SciDirect(handle, S::SCI_GETLENGTH);
    SciDirect(handle, S::SCI_INSERTTEXT, static_cast<uptr_t>(at), reinterpret_cast<sptr_t>("\r\n"));
    SciDirect(handle, S::SCI_GOTOPOS, static_cast<uptr_t>(atStart ? 0 : SciDirect(handle, S::SCI_GETLENGTH)));
    // A lexer styles lazily from its first unstyled position: as Korvo's
    // document is, the whole text is styled before the keys come.
    if (SciDirect(handle, S::SCI_GETLEXER) != 0)
        SciDirect(handle, S::SCI_COLOURISE, 0, -1);
    view.viewport()->repaint();
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < kCharacters; ++i) {
        const char c = kTyped[i % int(std::strlen(kTyped))];
        SendKeyAndPaint(view, KeyOf(c), QString(QLatin1Char(c)));
    }
    SendKeyAndPaint(view, Qt::Key_Return, QStringLiteral("\r"));
    return timer.nsecsElapsed() / 1e6 / (kCharacters + 1);
}

struct KeyTimes {
    double start = 0;
    double end = 0;
};

KeyTimes typeAtBothEnds(SciView& view) {
    std::vector<double> start;
    std::vector<double> end;
    for (int round = 0; round < kRounds; ++round) {
        start.push_back(keystrokeMs(view, true));
        end.push_back(keystrokeMs(view, false));
    }
    return {median(start), median(end)};
}

}

void PrintTypingTimes(const QString& path, const QByteArray& text, const QByteArray& lexerKeywords) {
    OpenedDocument doc = OpenSourceText(path, text);
    if (!doc || !ShowForTyping(*doc))
        return;
    const long lines = SciDirect(doc->SciEdi_WndData, S::SCI_GETLINECOUNT);
    const KeyTimes korvo = typeAtBothEnds(*doc->Sci);
    doc->hide();
    std::printf("typing, %ld lines, at the start  %.3f ms a key\n", lines, korvo.start);
    std::printf("typing, %ld lines, at the end    %.3f ms a key   end/start %.2f\n", lines, korvo.end,
                korvo.end / korvo.start);
    if (lexerKeywords.isEmpty())
        return;
    SciView bare;
    SciLoadText(SciHandle(&bare), text);
    UseBuiltInLexer(bare, lexerKeywords);
    if (!ShowForTyping(bare))
        return;
    const KeyTimes floor = typeAtBothEnds(bare);
    bare.hide();
    std::printf("bare component with its lexer, at the start  %.3f ms a key   Korvo/bare %.2f\n", floor.start,
                korvo.start / floor.start);
    std::printf("bare component with its lexer, at the end    %.3f ms a key   Korvo/bare %.2f\n", floor.end,
                korvo.end / floor.end);
}
