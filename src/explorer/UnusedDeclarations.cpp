#include "explorer/UnusedDeclarations.h"

#include "language/model/DeclarationRecords.h"

namespace {

void addIfUnused(QList<UnusedDeclaration>& unused, const CodeRecord& record, const char* kind, const char* picture) {
    if (record.References().size() == 1)
        unused.append({record.Ime, QString::fromLatin1(kind), QString::fromLatin1(picture), record.File, record.References().first()});
}

}

QList<UnusedDeclaration> ListUnused(const CodeModel& model) {
    QList<UnusedDeclaration> unused;
    for (const CodeRecordPtr& record : model.Globals.Items())
        addIfUnused(unused, *record, "Global", "global");
    for (const CodeRecordPtr& record : model.Arrays.Items())
        addIfUnused(unused, *record, "Array", "array");
    for (const CodeRecordPtr& record : model.Constants.Items())
        addIfUnused(unused, *record, "Constant", "constant");
    for (const CodeRecordPtr& record : model.Funkcii.Items()) {
        addIfUnused(unused, *record, "Function", "function");
        if (const auto* function = dynamic_cast<const ClsFunkcija*>(record.get()))
            for (const CodeRecordPtr& local : function->Locals->Items())
                addIfUnused(unused, *local, "Local", "local");
    }
    return unused;
}

void ClearReferences(const CodeModel& model) {
    ForEachRecord(model, [](CodeRecord& record) { record.ClearReferences(); });
}

ReferencePlace ParseReference(const QString& entry) {
    const qsizetype bang = entry.lastIndexOf(QLatin1Char('!'));
    if (bang < 0)
        return {};
    bool ok = false;
    const long position = entry.mid(bang + 1).toLong(&ok);
    return {entry.left(bang), ok && position >= 0 ? position : -1};
}
