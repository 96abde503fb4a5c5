#include "editor/SciWrappers.h"

#include "editor/CurrentView.h"
#include "foundation/errors/ErrorLog.h"
#include "platform/AnsiText.h"
#include "platform/scintilla/SciDirectCalls.h"

#include <algorithm>
#include <cstring>

using S = QsciScintillaBase;

TextRange gTextRange;

SciTextArg::SciTextArg(const QString& text) : bytes_(platform::toAnsi(text)) {}

namespace {

sptr_t argument(sptr_t value) {
    return value;
}

sptr_t argument(const SciTextArg& text) {
    return reinterpret_cast<sptr_t>(text.bytes().constData());
}

sptr_t argument(char* buffer) {
    return reinterpret_cast<sptr_t>(buffer);
}

// A message to the current view, with its wParam and lParam.
struct Message {
    unsigned int id;

    sptr_t operator()() const { return SciDirect(gSciWndData, id); }
    template <typename W>
    sptr_t operator()(const W& wParam) const {
        return SciDirect(gSciWndData, id, static_cast<uptr_t>(argument(wParam)));
    }
    template <typename W, typename L>
    sptr_t operator()(const W& wParam, const L& lParam) const {
        return SciDirect(gSciWndData, id, static_cast<uptr_t>(argument(wParam)), argument(lParam));
    }
};

// A length that never reaches past the caller's bytes.
sptr_t lengthWithin(sptr_t length, const SciTextArg& text) {
    return length < 0 ? static_cast<sptr_t>(qstrlen(text.bytes().constData())) : std::min<sptr_t>(length, text.bytes().size());
}

}

#define SCI_WRAPPER(Result, Name, Id, Parameters, Arguments) \
    Result Name Parameters { return static_cast<Result>(Message{S::Id} Arguments); }
#include "editor/SciMessages.inc"
#undef SCI_WRAPPER

long SciGetLine(long line, char* buffer, long capacity) {
    if (!buffer || capacity <= 0)
        return 0;
    const long length = SciLineLength(line);
    if (length <= capacity)
        return Message{S::SCI_GETLINE}(line, buffer);
    const QByteArray text = SciGetLineText(line);
    const long copied = std::min<long>(capacity, text.size());
    std::memcpy(buffer, text.constData(), static_cast<size_t>(copied));
    return copied;
}

long SciGetLine(long line, unsigned char* buffer, long capacity) {
    return SciGetLine(line, reinterpret_cast<char*>(buffer), capacity);
}

QByteArray SciGetLineText(long line) {
    QByteArray text(std::max(0L, SciLineLength(line)), '\0');
    if (text.isEmpty())
        return text;
    text.resize(std::clamp<long>(Message{S::SCI_GETLINE}(line, text.data()), 0, text.size()));
    return text;
}

void SciMarkerDeleteEvery(long line, int marker) {
    while (SciMarkerGet(line) >> marker & 1)
        SciMarkerDelete(line, marker);
}

int SciGetCharAt(sptr_t position) {
    return static_cast<unsigned char>(Message{S::SCI_GETCHARAT}(position));
}

void SciGetTextRange(TextRange& range) {
    range.lpstrText = SciGetTextRange(gSciWndData, range.cpMin, range.cpMax);
}

QByteArray SciGetSelText() {
    // The component's own copy turns NUL bytes into blanks; a plain
    // selection is read as the range it covers.
    if (!Message{S::SCI_SELECTIONISRECTANGLE}() && Message{S::SCI_GETSELECTIONS}() <= 1)
        return SciGetTextRange(gSciWndData, SciGetSelectionStart(), SciGetSelectionEnd());
    // The size asked for counts the terminating NUL; one byte more keeps the
    // buffer safe from a component that would not count it.
    const sptr_t size = Message{S::SCI_GETSELTEXT}();
    if (size <= 1)
        return QByteArray();
    QByteArray text(size + 1, '\0');
    Message{S::SCI_GETSELTEXT}(0, text.data());
    text.resize(size - 1);
    return text;
}

void SciReplaceTarget(sptr_t length, const SciTextArg& text) {
    Message{S::SCI_REPLACETARGET}(lengthWithin(length, text), text);
}

sptr_t SciSearchInTarget(sptr_t length, const SciTextArg& text) {
    return Message{S::SCI_SEARCHINTARGET}(lengthWithin(length, text), text);
}

void ReplaceRange(long Start, const QString& Text, long Length) {
    try {
        SciSetTargetStart(Start);
        SciSetTargetEnd(Start + Length);
        SciReplaceTarget(-1, Text);
    } catch (...) {
        SetErrorLog(QStringLiteral("ReplaceRange"), QStringLiteral("Mod_Sci"));
    }
}
