#include "MemoryPerLine.h"

#include "OpenedDocument.h"
#include "platform/scintilla/SciDirectCalls.h"

#include <malloc.h>

#include <cstdio>

namespace {

// The derived goal: the peer editor holds about 82 bytes a line beyond the
// component; an open file may cost at most 1.2 times its memory.
constexpr double kGoalBytesPerLine = 100;

double heapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return double(info.uordblks + info.hblkhd);
}

}

void PrintMemoryPerLine(const QString& path, const QByteArray& text) {
    double bare = 0;
    long lines = 0;
    {
        const double before = heapInUse();
        SciView view;
        SciLoadText(SciHandle(&view), text);
        bare = heapInUse() - before;
        lines = SciDirect(SciHandle(&view), QsciScintillaBase::SCI_GETLINECOUNT);
    }
    const double before = heapInUse();
    OpenedDocument doc = OpenSourceText(path, text);
    if (!doc || lines <= 0)
        return;
    const double korvo = heapInUse() - before;
    const double perLine = (korvo - bare) / double(lines);
    std::printf("memory, %ld lines     %.0f bytes a line beyond the component's   (heap %.1f MB, the bare view %.1f MB)"
                "   goal <= %.0f: %s\n",
                lines, perLine, korvo / 1e6, bare / 1e6, kGoalBytesPerLine, perLine <= kGoalBytesPerLine ? "met" : "NOT met");
}
