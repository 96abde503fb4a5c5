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
constexpr int kLongLine = 600;
// The goals beside the peer editor on the same component; the bare
// view here costs less than that editor, so these are bounds, not its figures.
constexpr double kEndKeyGoal = 0.9;
constexpr double kLongLineGoal = 1.0;
constexpr int kRounds = 5;
const char* const kTyped = "score = score + lives * 2 : ";

// Milliseconds per keystroke, its paint included, over one round of typing
// that many characters and an Enter on an empty line at the start or at the
// end of the document.
double keystrokeMs(SciView& view, bool atStart, int characters = kCharacters) {
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
    for (int i = 0; i < characters; ++i) {
        const char c = kTyped[i % int(std::strlen(kTyped))];
        SendKeyAndPaint(view, KeyOf(c), QString(QLatin1Char(c)));
    }
    SendKeyAndPaint(view, Qt::Key_Return, QStringLiteral("\r"));
    return timer.nsecsElapsed() / 1e6 / (characters + 1);
}

struct KeyTimes {
    double start = 0;
    double end = 0;
    double longLine = 0;  // a key into one line of kLongLine characters, at the end
};

KeyTimes typeAtBothEnds(SciView& view, bool longLine) {
    std::vector<double> start;
    std::vector<double> end;
    std::vector<double> along;
    for (int round = 0; round < kRounds; ++round) {
        start.push_back(keystrokeMs(view, true));
        end.push_back(keystrokeMs(view, false));
        if (longLine)
            along.push_back(keystrokeMs(view, false, kLongLine));
    }
    return {median(start), median(end), median(along)};
}

const char* met(bool ok) {
    return ok ? "met" : "NOT met";
}

}

void PrintTypingTimes(const QString& path, const QByteArray& text, const QByteArray& lexerKeywords) {
    OpenedDocument doc = OpenSourceText(path, text);
    if (!doc || !ShowForTyping(*doc))
        return;
    const long lines = SciDirect(doc->SciEdi_WndData, S::SCI_GETLINECOUNT);
    const bool longLine = !lexerKeywords.isEmpty();
    const KeyTimes korvo = typeAtBothEnds(*doc->Sci, longLine);
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
    const KeyTimes floor = typeAtBothEnds(bare, longLine);
    bare.hide();
    std::printf("bare component with its lexer, at the start  %.3f ms a key   Korvo/bare %.2f\n", floor.start,
                korvo.start / floor.start);
    std::printf("bare component with its lexer, at the end    %.3f ms a key   Korvo/bare %.2f\n", floor.end,
                korvo.end / floor.end);
    // The bare view's own key at the end costs more than at its start, which
    // would flatter Korvo's key at the end.
    const double endFloor = korvo.end / floor.start;
    std::printf("key at the end, Korvo / the bare view's key at the start   %.2f   goal <= %.1f: %s\n", endFloor,
                kEndKeyGoal, met(endFloor <= kEndKeyGoal));
    const double along = korvo.longLine / floor.longLine;
    std::printf("key into a %d-character line, Korvo %.3f ms, bare %.3f ms   Korvo/bare %.2f   goal <= %.1f: %s\n",
                kLongLine, korvo.longLine, floor.longLine, along, kLongLineGoal, met(along <= kLongLineGoal));
}
