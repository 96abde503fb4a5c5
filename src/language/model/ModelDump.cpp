#include "language/model/ModelDump.h"

#include "editor/frmDoc.h"
#include "language/model/CodeModel.h"
#include "language/model/DeclarationRecords.h"
#include "language/parser/ParseState.h"
#include "platform/scintilla/SciDirectCalls.h"

#include <algorithm>
#include <vector>

namespace {

struct Entry {
    long line;
    int handle;
    QString text;
};

long lineOf(const CodeRecord& record) {
    return SciMarkerLineFromHandle(record.SciWndData, record.Handle);
}

QString describe(const CodeRecord& record) {
    if (const auto* typed = dynamic_cast<const TypedRecord*>(&record)) {
        QString text = DeclarationDisplayName(*typed) + typed->ArraySize;
        if (const auto* function = dynamic_cast<const ClsFunkcija*>(typed))
            text += QStringLiteral(" help=\"%1\"").arg(function->Help);
        return text;
    }
    if (dynamic_cast<const clsInclude*>(&record))
        return QLatin1Char('"') + record.Ime + QLatin1Char('"');
    return record.Ime;
}

void dumpTable(QStringList& lines, const QString& table, const QList<CodeRecordPtr>& records) {
    std::vector<Entry> entries;
    for (const CodeRecordPtr& record : records)
        if (record && record->Ime != kMainProgram)
            entries.push_back({lineOf(*record), record->Handle, describe(*record)});
    std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        return a.line != b.line ? a.line < b.line : a.handle < b.handle;
    });
    for (const Entry& entry : entries)
        lines.append(QStringLiteral("%1 %2 line=%3").arg(table, entry.text).arg(entry.line));
}

}

QStringList DumpModel(const CodeModel& model, const frmDoc& doc) {
    QStringList lines;
    dumpTable(lines, QStringLiteral("Funkcii"), model.Funkcii.Items());
    for (const CodeRecordPtr& record : model.Funkcii.Items())
        if (auto function = std::dynamic_pointer_cast<ClsFunkcija>(record))
            dumpTable(lines, QStringLiteral("Locals/") + function->Ime, function->Locals->Items());
    dumpTable(lines, QStringLiteral("Globals"), model.Globals.Items());
    dumpTable(lines, QStringLiteral("Types"), model.Types.Items());
    for (const CodeRecordPtr& record : model.Types.Items())
        if (auto type = std::dynamic_pointer_cast<ClsType>(record))
            dumpTable(lines, QStringLiteral("Fields/") + type->Ime, type->Fields->Items());
    dumpTable(lines, QStringLiteral("tmpFields"), doc.tmpFields.values());
    dumpTable(lines, QStringLiteral("Arrays"), model.Arrays.Items());
    dumpTable(lines, QStringLiteral("Constants"), model.Constants.Items());
    dumpTable(lines, QStringLiteral("Labels"), model.Labels.Items());
    dumpTable(lines, QStringLiteral("Includes"), model.Includes.Items());
    return lines;
}
