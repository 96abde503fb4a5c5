#include "support/ParsedModel.h"

#include "editor/CurrentView.h"
#include "files/OpenProjects.h"

#include "platform/scintilla/SciDirectCalls.h"
#include "language/model/DeclarationRecords.h"
#include "language/parser/ParseState.h"

namespace {

long lineOf(const CodeRecord& record) {
    return SciMarkerLineFromHandle(record.SciWndData, record.Handle);
}

QString describe(const CodeRecord& record) {
    if (const auto* typed = dynamic_cast<const TypedRecord*>(&record)) {
        QString text = DeclarationDisplayName(*typed) + typed->ArraySize;
        if (typed->IsBBArray)
            text += QStringLiteral(" array");
        if (const auto* function = dynamic_cast<const ClsFunkcija*>(typed))
            text += QStringLiteral(" (%1) \"%2\"").arg(function->VlezNum).arg(function->Help);
        return text;
    }
    return record.Ime;
}

void snapshotTable(QStringList& lines, const QString& table, const QList<CodeRecordPtr>& records) {
    QStringList entries;
    for (const CodeRecordPtr& record : records)
        if (record && record->Ime != kMainProgram)
            entries << QStringLiteral("%1 %2 line %3 %4").arg(table, describe(*record)).arg(lineOf(*record)).arg(record->File);
    entries.sort();
    lines += entries;
}

QString owner(const CodeRecord& record) {
    return record.Ime == kMainProgram ? record.Ime : QStringLiteral("%1@%2").arg(record.Ime).arg(lineOf(record));
}

}

QStringList modelSnapshot(const ClsProject& project, const frmDoc& doc) {
    QStringList lines;
    snapshotTable(lines, QStringLiteral("function"), project.Funkcii.Items());
    for (const CodeRecordPtr& record : project.Funkcii.Items())
        if (auto function = std::dynamic_pointer_cast<ClsFunkcija>(record))
            snapshotTable(lines, QStringLiteral("local of ") + owner(*function), function->Locals->Items());
    snapshotTable(lines, QStringLiteral("global"), project.Globals.Items());
    snapshotTable(lines, QStringLiteral("type"), project.Types.Items());
    for (const CodeRecordPtr& record : project.Types.Items())
        if (auto type = std::dynamic_pointer_cast<ClsType>(record))
            snapshotTable(lines, QStringLiteral("field of ") + owner(*type), type->Fields->Items());
    snapshotTable(lines, QStringLiteral("orphan field"), doc.tmpFields.values());
    snapshotTable(lines, QStringLiteral("array"), project.Arrays.Items());
    snapshotTable(lines, QStringLiteral("constant"), project.Constants.Items());
    snapshotTable(lines, QStringLiteral("label"), project.Labels.Items());
    snapshotTable(lines, QStringLiteral("include"), project.Includes.Items());
    return lines;
}

void ForgetParsedDocuments() {
    gProjects.RemoveAll();
    gActiveProject.reset();
    gActiveDoc = nullptr;
    gSciWndData = SciHandle();
    gCurrentLocals.reset();
    gCurrentFields.reset();
    gCurrentFunction.clear();
    gCurrentType.clear();
}
