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

class Dump {
public:
    explicit Dump(ModelDumpDetail detail) : full_(detail == ModelDumpDetail::Full) {}

    void table(const QString& name, const QList<CodeRecordPtr>& records) {
        std::vector<Entry> entries;
        for (const CodeRecordPtr& record : records)
            if (record && record->Ime != kMainProgram)
                entries.push_back({lineOf(*record), record->Handle, describe(*record)});
        std::stable_sort(entries.begin(), entries.end(), [this](const Entry& a, const Entry& b) {
            if (a.line != b.line)
                return a.line < b.line;
            return full_ ? a.text < b.text : a.handle < b.handle;
        });
        for (const Entry& entry : entries)
            lines.append(QStringLiteral("%1 %2 line=%3").arg(name, entry.text).arg(entry.line));
    }

    // The table of a function's locals or a type's fields.
    QString ownedBy(const QString& table, const CodeRecord& owner) const {
        return full_ ? QStringLiteral("%1/%2@%3").arg(table, owner.Ime).arg(lineOf(owner)) : table + QLatin1Char('/') + owner.Ime;
    }

    QStringList lines;

private:
    QString describe(const CodeRecord& record) const {
        QString text;
        if (const auto* typed = dynamic_cast<const TypedRecord*>(&record)) {
            text = DeclarationDisplayName(*typed) + typed->ArraySize();
            if (full_ && typed->IsBBArray)
                text += QStringLiteral(" array");
            if (const auto* function = dynamic_cast<const ClsFunkcija*>(typed)) {
                if (full_)
                    text += QStringLiteral(" params=%1").arg(function->VlezNum);
                text += QStringLiteral(" help=\"%1\"").arg(function->Help);
            }
        } else if (dynamic_cast<const clsInclude*>(&record)) {
            text = QLatin1Char('"') + record.Ime + QLatin1Char('"');
        } else {
            text = record.Ime;
        }
        if (full_)
            text += QStringLiteral(" file=\"%1\"").arg(record.File);
        return text;
    }

    bool full_;
};

}

QStringList DumpModel(const CodeModel& model, const frmDoc& doc, ModelDumpDetail detail) {
    Dump dump(detail);
    dump.table(QStringLiteral("Funkcii"), model.Funkcii.Items());
    for (const CodeRecordPtr& record : model.Funkcii.Items())
        if (auto function = std::dynamic_pointer_cast<ClsFunkcija>(record))
            dump.table(dump.ownedBy(QStringLiteral("Locals"), *function), function->Locals->Items());
    dump.table(QStringLiteral("Globals"), model.Globals.Items());
    dump.table(QStringLiteral("Types"), model.Types.Items());
    for (const CodeRecordPtr& record : model.Types.Items())
        if (auto type = std::dynamic_pointer_cast<ClsType>(record))
            dump.table(dump.ownedBy(QStringLiteral("Fields"), *type), type->Fields->Items());
    dump.table(QStringLiteral("tmpFields"), doc.tmpFields.values());
    dump.table(QStringLiteral("Arrays"), model.Arrays.Items());
    dump.table(QStringLiteral("Constants"), model.Constants.Items());
    dump.table(QStringLiteral("Labels"), model.Labels.Items());
    dump.table(QStringLiteral("Includes"), model.Includes.Items());
    return dump.lines;
}
