#include "language/parser/ScopeMoves.h"

#include "editor/CurrentView.h"
#include "editor/SciWrappers.h"
#include "platform/scintilla/SciDirectCalls.h"

namespace {

bool inSpan(const CodeRecord& record, LineSpan lines) {
    if (!(record.SciWndData == gSciWndData))
        return false;
    const long line = SciMarkerLineFromHandle(record.SciWndData, record.Handle);
    return line >= lines.first && line < lines.end;
}

bool startsWithWord(const QString& line, QLatin1StringView word) {
    return line.startsWith(word, Qt::CaseInsensitive)
        && (line.size() == word.size() || !(line[word.size()].isLetterOrNumber() || line[word.size()] == QLatin1Char('_')));
}

}

LineSpan ThroughNextBoundary(long first, long mask, QLatin1StringView opener) {
    const long next = SciMarkerNext(first + 1, mask);
    if (next < 0)
        return {first, kBeyondLastLine};
    // A boundary line that begins with its boundary holds nothing of the
    // scope before it: what it declares belongs to the scope it opens or,
    // after its End, to the one around.
    QString line = QString::fromLatin1(SciGetLineText(next)).trimmed();
    if (startsWithWord(line, QLatin1StringView("End")))
        line = line.mid(3).trimmed();
    return {first, startsWithWord(line, opener) ? next : next + 1};
}

// Hands each record of from whose line lies in lines to put, then removes it.
template <typename Put>
void moveOut(clsHash& from, LineSpan lines, Put put) {
    if (from.Count() == 0)
        return;
    for (const CodeRecordPtr& record : from.Items()) {
        if (!record || !inSpan(*record, lines))
            continue;
        put(record);
        // By its own handle: a parameter of the same name may share its line.
        from.RemovePoHandle(record->Ime, record->Handle);
    }
}

void MoveRecords(clsHash& from, clsHash& to, LineSpan lines) {
    moveOut(from, lines, [&](const CodeRecordPtr& record) { to.Add(record->Ime, record); });
}

void MoveRecords(clsHash& from, OrphanFields& to, LineSpan lines) {
    moveOut(from, lines, [&](const CodeRecordPtr& record) { to.insert(record->Handle, record); });
}

void MoveRecords(OrphanFields& from, clsHash& to, LineSpan lines) {
    for (auto it = from.begin(); it != from.end();) {
        if (it.value() && inSpan(*it.value(), lines)) {
            to.Add(it.value()->Ime, it.value());
            it = from.erase(it);
        } else {
            ++it;
        }
    }
}
