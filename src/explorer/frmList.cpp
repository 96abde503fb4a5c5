#include "explorer/frmList.h"

#include "editor/ActiveDocument.h"
#include "editor/Navigation.h"
#include "explorer/ExplorerIcons.h"
#include "explorer/MemberWindow.h"
#include "files/Project.h"
#include "foundation/controls/ColumnTwips.h"
#include "foundation/controls/Splitter.h"
#include "foundation/errors/ErrorLog.h"
#include "language/model/DeclarationRecords.h"
#include "platform/Host.h"
#include "platform/Prompt.h"
#include "platform/SettingsStore.h"
#include "platform/scintilla/SciDirectCalls.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

const QString kModule = QStringLiteral("frmList");
const QString kMainProgram = QStringLiteral("*Main Program*");

QPointer<frmList>& instance() {
    static QPointer<frmList> form;
    return form;
}

QString& filledFor(DeclarationKindId kind) {
    return frmList::ListProjectFullPath[static_cast<size_t>(kind)];
}

class SplitterPage : public QWidget {
public:
    SplitterPage(const QString& name, Splitter* splitter, QWidget* parent) : QWidget(parent), splitter_(splitter) {
        setObjectName(name);
    }

protected:
    void resizeEvent(QResizeEvent*) override { splitter_->setGeometry(rect()); }

private:
    Splitter* splitter_;
};

}

QString frmList::LastConstruct = QStringLiteral("Functions");
bool frmList::ShowOnlyFile = false;
QString frmList::ValidProject;
int frmList::ColWidth1 = 2200;
int frmList::ColWidth2 = 4000;
std::array<QString, kDeclarationKindCount> frmList::ListProjectFullPath;
QString& frmList::GlobalsProjectFullPath = filledFor(DeclarationKindId::Global);
QString& frmList::TypesProjectFullPath = filledFor(DeclarationKindId::Type);
QString& frmList::FunctionsProjectFullPath = filledFor(DeclarationKindId::Function);
QString& frmList::ConstantsProjectFullPath = filledFor(DeclarationKindId::Constant);
QString& frmList::ArraysProjectFullPath = filledFor(DeclarationKindId::Array);
QString& frmList::LabelsProjectFullPath = filledFor(DeclarationKindId::Label);
QString& frmList::IncludesProjectFullPath = filledFor(DeclarationKindId::Include);

void frmList::ForgetFills() {
    for (QString& path : ListProjectFullPath)
        path.clear();
}

frmList* frmList::Instance() {
    return instance().data();
}

ProjectPtr frmList::ShownProject() {
    if (gActiveProject) {
        ValidProject = gActiveProject->FullPath;
        return gActiveProject;
    }
    return gProjects.Exist_Key(ValidProject) ? gProjects.Item(ValidProject) : nullptr;
}

frmList::frmList(QWidget* parent) : QWidget(parent), pages_(new QStackedWidget(this)) {
    setObjectName(QStringLiteral("frmList"));
    setWindowTitle(QStringLiteral("Code explorer"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(pages_);
    instance() = this;
    Form_Load();
}

frmList::~frmList() {
    Form_Unload();
    if (instance() == this)
        instance() = nullptr;
}

void frmList::Form_Load() {
    ShowOnlyFile = false;
    LastConstruct = QStringLiteral("Functions");
    ColWidth1 = StoredColumnWidthTwips(QStringLiteral("CodeExCol1"), 2200, 200, 12000);
    ColWidth2 = StoredColumnWidthTwips(QStringLiteral("CodeExCol2"), 4000, 0, 15000);
    const QStringList nameAndFile = {QStringLiteral("Name"), QStringLiteral("File")};

    CodeListView* functions =
        addList(QStringLiteral("lvFunctions"), nameAndFile + QStringList{QStringLiteral("Line")}, QStringLiteral("imgFunctions"));
    functions->setColumnWidthTwips(2, 0);
    lvLocals_ = addList(QStringLiteral("lvLocals"), {QStringLiteral("Locals")}, QStringLiteral("imgLocals"));
    lvLocals_->setColumnWidthTwips(0, 10000);
    splitterPage(QStringLiteral("SplitterFunctions"), functions, lvLocals_, 1908, 0.83f);

    CodeListView* types = addList(QStringLiteral("lvTypes"), nameAndFile, QStringLiteral("imgTypes"));
    lvFields_ = addList(QStringLiteral("lvFields"), {QStringLiteral("Fields")}, QStringLiteral("imgFields"));
    lvFields_->setColumnWidthTwips(0, 4000);
    splitterPage(QStringLiteral("SplitterTypes"), types, lvFields_, 1601, 0.7f);

    for (const ExplorerListKind& kind : kExplorerLists) {
        if (kind.companion)
            continue;
        CodeListView* view = addList(QStringLiteral("lv") + kind.name(), nameAndFile, QString::fromLatin1(kind.picture));
        pages_->addWidget(view);
        pageByName_.insert(kind.name(), view);
    }
    for (const ExplorerListKind& kind : kExplorerLists) {
        CodeListView* view = list(kind.name());
        view->setColumnWidthTwips(0, ColWidth1);
        view->setColumnWidthTwips(1, ColWidth2);
    }
    pages_->setCurrentWidget(pageByName_.value(QStringLiteral("Functions")));
}

CodeListView* frmList::addList(const QString& name, const QStringList& headers, const QString& picture) {
    auto* view = new CodeListView(name, headers, ExplorerIcon(picture));
    lists_.insert(name, view);
    view->installEventFilter(this);
    view->viewport()->installEventFilter(this);
    const bool functions = name == QLatin1String("lvFunctions");
    if (functions || name == QLatin1String("lvTypes")) {
        const auto click = [this, functions](QTreeWidgetItem* item) {
            if (functions)
                lvFunctions_ItemClick(static_cast<CodeListItem*>(item));
            else
                lvTypes_ItemClick(static_cast<CodeListItem*>(item));
        };
        connect(view, &QTreeWidget::itemClicked, this, click);
    }
    if (name != QLatin1String("lvLocals") && name != QLatin1String("lvFields"))
        connect(view, &QTreeWidget::itemDoubleClicked, this,
                [this](QTreeWidgetItem* item) { GotoItem(static_cast<CodeListItem*>(item)); });
    return view;
}

QWidget* frmList::splitterPage(const QString& name, CodeListView* first, CodeListView* second, int position, float ratio) {
    auto* splitter = new Splitter();
    auto* page = new SplitterPage(name, splitter, pages_);
    splitter->setParent(page);
    first->setParent(page);
    second->setParent(page);
    splitter->setObjectName(name);
    splitter->setOrientation(1);
    splitter->setSplitterSize(95);
    splitter->setSplitterColor(QColor(0xC0, 0xC0, 0xC0));
    splitter->setSplitterAppearance(0);
    splitter->setLiveUpdate(false);
    splitter->setAllowResize(true);
    splitter->setSplitterPos(position);
    splitter->setRatioFromTop(ratio);
    splitter->setChild1(first->objectName());
    splitter->setChild2(second->objectName());
    splitter->lower();
    pages_->addWidget(page);
    pageByName_.insert(name == QLatin1String("SplitterFunctions") ? QStringLiteral("Functions") : QStringLiteral("Types"), page);
    return page;
}

void frmList::Form_Unload() {
    if (unloaded_)
        return;
    unloaded_ = true;
    if (const CodeListView* shown = list(LastConstruct)) {
        platform::SaveSetting(QStringLiteral("UiSettings"), QStringLiteral("CodeExCol1"), QString::number(shown->columnWidthTwips(0)));
        const int fileColumn = ShowOnlyFile ? ColWidth2 : shown->columnWidthTwips(1);
        platform::SaveSetting(QStringLiteral("UiSettings"), QStringLiteral("CodeExCol2"), QString::number(fileColumn));
    }
}

CodeListView* frmList::list(const QString& name) const {
    return lists_.value(name.startsWith(QLatin1String("lv")) ? name : QStringLiteral("lv") + name);
}

QString frmList::shownControlName() const {
    return pages_->currentWidget() ? pages_->currentWidget()->objectName() : QString();
}

bool frmList::eventFilter(QObject* watched, QEvent* event) {
    auto* view = qobject_cast<CodeListView*>(watched);
    if (!view && watched->parent())
        view = qobject_cast<CodeListView*>(watched->parent());
    if (!view || view == lvLocals_ || view == lvFields_)
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress && watched == view) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            GotoItem(view->selectedRow());
            return true;
        }
    }
    if (event->type() == QEvent::MouseButtonRelease && watched == view->viewport() &&
        view->objectName() == QLatin1String("lvIncludes") &&
        static_cast<QMouseEvent*>(event)->button() == Qt::RightButton && view->selectedRow() && showIncludesMenu) {
        try {
            showIncludesMenu();
        } catch (...) {
            SetErrorLog(QStringLiteral("lvIncludes_MouseUp"), kModule);
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmList::lvFunctions_ItemClick(CodeListItem* item) {
    companionClick(item, true, ShownProject());
}

void frmList::lvTypes_ItemClick(CodeListItem* item) {
    companionClick(item, false, ShownProject());
}

void frmList::companionClick(CodeListItem* item, bool functions, const ProjectPtr& project) {
    const QString procedure = functions ? QStringLiteral("lvFunctions_ItemClick") : QStringLiteral("lvTypes_ItemClick");
    try {
        if (!project || !item)
            return;
        CodeModel& model = project->Model;
        CodeListView* companion = functions ? lvLocals_ : lvFields_;
        (functions ? model.LocalsDirty : model.FieldsDirty) = false;
        companion->clearRows();
        std::shared_ptr<clsHash> records;
        if (functions && item->tag == kMainProgram) {
            if (auto main = std::dynamic_pointer_cast<ClsFunkcija>(model.Funkcii.ItemHash(kMainProgram)))
                records = main->Locals;
        } else if (item->view.isAlive()) {
            // The declaring document's own view answers, whatever the current view is.
            const long line = SciMarkerLineFromHandle(item->view, item->key().handle);
            if (line >= 0) {
                clsHash& table = functions ? model.Funkcii : model.Types;
                const CodeRecordPtr record = table.ItemHandle(item->tag, int(line), item->view);
                if (auto function = std::dynamic_pointer_cast<ClsFunkcija>(record))
                    records = function->Locals;
                else if (auto type = std::dynamic_pointer_cast<ClsType>(record))
                    records = type->Fields;
            }
        }
        if (!records || records->Count() == 0)
            return;
        QList<CodeListItem*> rows;
        for (const CodeRecordPtr& record : records->Items())
            rows.append(companion->newRow({ExplorerText(*record, ExplorerTextRule::NameTypeAndSize)}));
        companion->addRows(rows);
        companion->clearSelection();
    } catch (...) {
        SetErrorLog(procedure, kModule);
    }
}

void frmList::GotoItem(CodeListItem* item) {
    if (!item)
        return;
    try {
        const ProjectPtr project = ShownProject();
        if (!project)
            return;
        const QString member = item->file().isEmpty() ? project->MainFile : item->file();
        if (!ShowDeclaringDocument(*project, member)) {
            if (item->file().isEmpty())
                platform::MsgBox(QStringLiteral("Please Set the 'Main File' for this project first..."),
                                 platform::vbExclamation | platform::vbOKOnly, QStringLiteral("Operation aborted"));
            return;
        }
        // Only the item's own document can show its line.
        if (!item->view.isAlive() || !(gSciWndData == item->view))
            return;
        const long line = SciMarkerLineFromHandle(item->view, item->key().handle);
        if (line < 0)
            return;
        GotoLineShow(line);
        FocusEditor();
    } catch (...) {
        SetErrorLog(QStringLiteral("GotoItem"), kModule);
    }
}
