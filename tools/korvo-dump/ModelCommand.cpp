#include "DumpCommand.h"
#include "DumpDocument.h"

#include "platform/scintilla/SciDirectCalls.h"
#include "editor/SciWrappers.h"
#include "language/model/DeclarationRecords.h"
#include "language/parser/ParseState.h"

#include <algorithm>
#include <cstdio>

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

void printTable(const QString& table, const QList<CodeRecordPtr>& records) {
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

void printModel(const ClsProject& project, const frmDoc& doc) {
    printTable(QStringLiteral("Funkcii"), project.Funkcii.Items());
    for (const CodeRecordPtr& record : project.Funkcii.Items())
        if (auto function = std::dynamic_pointer_cast<ClsFunkcija>(record))
            printTable(QStringLiteral("Locals/") + function->Ime, function->Locals->Items());
    printTable(QStringLiteral("Globals"), project.Globals.Items());
    printTable(QStringLiteral("Types"), project.Types.Items());
    for (const CodeRecordPtr& record : project.Types.Items())
        if (auto type = std::dynamic_pointer_cast<ClsType>(record))
            printTable(QStringLiteral("Fields/") + type->Ime, type->Fields->Items());
    printTable(QStringLiteral("tmpFields"), doc.tmpFields.values());
    printTable(QStringLiteral("Arrays"), project.Arrays.Items());
    printTable(QStringLiteral("Constants"), project.Constants.Items());
    printTable(QStringLiteral("Labels"), project.Labels.Items());
    printTable(QStringLiteral("Includes"), project.Includes.Items());
}

void printLines() {
    const long count = SciGetLineCount();
    for (long line = 0; line < count; ++line)
        printLine(QStringLiteral("line %1 fold 0x%2 markers 0x%3 indent %4")
                      .arg(line)
                      .arg(SciGetFoldLevel(line), 0, 16)
                      .arg(SciMarkerGet(line), 0, 16)
                      .arg(SciGetLineIndentation(line)));
}

int dumpModel(const QStringList& args) {
    if (args.size() != 1 && !(args.size() == 3 && args[1] == QLatin1String("--lng"))) {
        std::fprintf(stderr, "korvo-dump --model: FILE.bb [--lng KEYWORDS]\n");
        return 2;
    }
    DumpDocument document;
    if (!document.open(args[0], args.size() == 3 ? args[2] : QString()))
        return 1;
    printModel(document.project(), document.doc());
    printLines();
    return 0;
}

const DumpCommand modelCommand("--model", "FILE.bb [--lng KEYWORDS]   the code model, then each line's fold level, markers, indentation",
                               dumpModel);

}
