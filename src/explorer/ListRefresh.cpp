#include "explorer/frmList.h"

#include "editor/ActiveDocument.h"
#include "files/Project.h"
#include "foundation/errors/ErrorLog.h"
#include "platform/scintilla/SciDirectCalls.h"
#include "vocabulary/SettingsValues.h"

#include <QStackedWidget>

namespace {

// The list's own repainting off while it changes; the main window's lock is not touched.
class ListUpdatesOff {
public:
    explicit ListUpdatesOff(QWidget* list) : list_(list), was_(list->updatesEnabled()) { list_->setUpdatesEnabled(false); }
    ~ListUpdatesOff() { list_->setUpdatesEnabled(was_); }
    ListUpdatesOff(const ListUpdatesOff&) = delete;
    ListUpdatesOff& operator=(const ListUpdatesOff&) = delete;

private:
    QWidget* list_;
    bool was_;
};

bool functionsByLine(const ExplorerListKind& kind) {
    return kind.kind == DeclarationKindId::Function && gUnsortedFunctions != 0 && frmList::ShowOnlyFile;
}

QString currentFile() {
    return gActiveDoc ? gActiveDoc->Filename() : QString();
}

bool outOfScope(const QString& file, const QString& current) {
    return frmList::ShowOnlyFile && file != current;
}

// A line as six digits, which order as numbers do.
QString lineText(long line) {
    return line < 0 ? QStringLiteral("-") + QStringLiteral("%1").arg(-line, 6, 10, QLatin1Char('0'))
                    : QStringLiteral("%1").arg(line, 6, 10, QLatin1Char('0'));
}

}

bool frmList::PuniLista() {
    PuniLista(ShownProject());
    return true;
}

void frmList::PuniLista(const ProjectPtr& project) {
    const ExplorerListKind* kind = FindExplorerList(LastConstruct);
    if (!kind)
        return;
    CodeListView* view = list(kind->name());
    {
        ListUpdatesOff off(view);
        try {
            if (project) {
                refreshList(*kind, *project);
            } else {
                view->clearRows();
                if (kind->companion)
                    (kind->kind == DeclarationKindId::Function ? lvLocals_ : lvFields_)->clearRows();
            }
        } catch (...) {
            SetErrorLog(QStringLiteral("PuniLista"), QStringLiteral("frmList"));
        }
    }
    finish(*kind);
}

void frmList::refreshList(const ExplorerListKind& kind, ClsProject& project) {
    CodeListView* view = list(kind.name());
    CodeModel& model = project.Model;
    QString& filled = ListProjectFullPath[static_cast<size_t>(kind.kind)];
    const bool functions = kind.kind == DeclarationKindId::Function;
    if (project.FullPath != filled) {
        view->clearRows();
        if (functions)
            lvLocals_->clearRows();
        filled = project.FullPath;
    } else if (!kind.dirty(model)) {
        if (functions && model.LocalsDirty && view->selectedRow())
            lvFunctions_ItemClick(view->selectedRow());
        else if (kind.kind == DeclarationKindId::Type && model.FieldsDirty && view->selectedRow())
            lvTypes_ItemClick(view->selectedRow());
        return;
    }
    if (functions)
        view->setOrderColumn(functionsByLine(kind) ? 2 : 0);
    if (view->count() == 0)
        fillList(kind, project);
    else
        refreshListPartly(kind, project);
    kind.dirty(model) = false;
}

CodeListItem* frmList::newItem(const ExplorerListKind& kind, const CodeRecord& record, bool withLine) const {
    QStringList texts{ExplorerText(record, kind.rule), record.File};
    if (withLine)
        texts.append(lineText(SciMarkerLineFromHandle(record.SciWndData, record.Handle)));
    CodeListItem* item = list(kind.name())->newRow(texts);
    item->setKey(ExplorerKey::of(record));
    item->tag = record.Ime;
    item->view = record.SciWndData;
    return item;
}

void frmList::fillList(const ExplorerListKind& kind, ClsProject& project) {
    clsHash& table = kind.table(project.Model);
    if (table.Count() == 0)
        return;
    const QString current = currentFile();
    const bool withLine = functionsByLine(kind);
    QList<CodeListItem*> items;
    items.reserve(table.Count());
    for (const CodeRecordPtr& record : table.Items())
        if (!outOfScope(record->File, current))
            items.append(newItem(kind, *record, withLine));
    CodeListView* view = list(kind.name());
    view->addRows(items);
    view->clearSelection();
}

// Only the items whose declarations went or came change; the others stay
// the same objects, selection included. When every item still has its
// declaration, no item needs looking at.
void frmList::refreshListPartly(const ExplorerListKind& kind, ClsProject& project) {
    CodeListView* view = list(kind.name());
    const QString current = currentFile();
    const QList<CodeRecordPtr> records = kind.table(project.Model).Items();
    const auto sameName = [](const CodeRecord& record, const CodeListItem& item) {
        return record.Ime == item.tag || record.Ime.compare(item.tag, Qt::CaseInsensitive) == 0;
    };
    int listed = 0;
    QList<const CodeRecord*> missing;
    for (const CodeRecordPtr& record : records) {
        if (outOfScope(record->File, current))
            continue;
        const CodeListItem* item = view->find(ExplorerKey::of(*record));
        if (item && sameName(*record, *item))
            ++listed;
        else
            missing.append(record.get());
    }
    if (listed != view->count()) {
        QHash<ExplorerKey, const CodeRecord*> declared;
        declared.reserve(records.size());
        for (const CodeRecordPtr& record : records)
            declared.insert(ExplorerKey::of(*record), record.get());
        for (int i = view->count() - 1; i >= 0; --i) {
            CodeListItem* item = view->at(i);
            const CodeRecord* record = declared.value(item->key());
            if (!record || !sameName(*record, *item) || outOfScope(item->file(), current))
                view->removeRow(item);
        }
    }
    const bool withLine = functionsByLine(kind);
    for (const CodeRecord* record : std::as_const(missing))
        if (!view->find(ExplorerKey::of(*record)))
            view->insertRow(newItem(kind, *record, withLine));
    if (kind.companion && !view->selectedRow())
        (kind.kind == DeclarationKindId::Function ? lvLocals_ : lvFields_)->clearRows();
}

void frmList::finish(const ExplorerListKind& kind) {
    QWidget* page = pageByName_.value(kind.name());
    if (page && pages_->currentWidget() != page)
        pages_->setCurrentWidget(page);
    CodeListView* view = list(kind.name());
    if (kind.kind == DeclarationKindId::Function)
        view->setColumnWidthTwips(2, 0);
    if (ColWidth1 > 200 && view->columnWidthTwips(0) != ColWidth1)
        view->setColumnWidthTwips(0, ColWidth1);
    view->setColumnWidthTwips(1, ShowOnlyFile ? 0 : ColWidth2);
}
