#include "ModelDump.h"

#include "editor/SciWrappers.h"
#include "editor/frmDoc.h"
#include "files/Project.h"
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

void printTable(const QString& table, const QList<CodeRecordPtr>& records, const LineSink& printLine) {
    std::vector<Entry> entries;
    for (const CodeRecordPtr& record : records)
        if (record && record->Ime != kMainProgram)
            entries.push_back({lineOf(*record), record->Handle, describe(*record)});
    std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        return a.line != b.line ? a.line < b.line : a.handle < b.handle;
    });
    for (const Entry& entry : entries)
        printLine(QStringLiteral("%1 %2 line=%3").arg(table, entry.text).arg(entry.line));
}

void printModel(const ClsProject& project, const frmDoc& doc, const LineSink& printLine) {
    printTable(QStringLiteral("Funkcii"), project.Funkcii.Items(), printLine);
    for (const CodeRecordPtr& record : project.Funkcii.Items())
        if (auto function = std::dynamic_pointer_cast<ClsFunkcija>(record))
            printTable(QStringLiteral("Locals/") + function->Ime, function->Locals->Items(), printLine);
    printTable(QStringLiteral("Globals"), project.Globals.Items(), printLine);
    printTable(QStringLiteral("Types"), project.Types.Items(), printLine);
    for (const CodeRecordPtr& record : project.Types.Items())
        if (auto type = std::dynamic_pointer_cast<ClsType>(record))
            printTable(QStringLiteral("Fields/") + type->Ime, type->Fields->Items(), printLine);
    printTable(QStringLiteral("tmpFields"), doc.tmpFields.values(), printLine);
    printTable(QStringLiteral("Arrays"), project.Arrays.Items(), printLine);
    printTable(QStringLiteral("Constants"), project.Constants.Items(), printLine);
    printTable(QStringLiteral("Labels"), project.Labels.Items(), printLine);
    printTable(QStringLiteral("Includes"), project.Includes.Items(), printLine);
}

void printLines(const LineSink& printLine) {
    const long count = SciGetLineCount();
    for (long line = 0; line < count; ++line)
        printLine(QStringLiteral("line %1 fold 0x%2 markers 0x%3 indent %4")
                      .arg(line)
                      .arg(SciGetFoldLevel(line), 0, 16)
                      .arg(SciMarkerGet(line), 0, 16)
                      .arg(SciGetLineIndentation(line)));
}

}

void DumpModel(const ClsProject& project, const frmDoc& doc, const LineSink& print) {
    printModel(project, doc, print);
    printLines(print);
}
