#include "explorer/frmMainList.h"

#include "editor/ActiveDocument.h"
#include "editor/DocumentWindows.h"
#include "explorer/CodeExplorerLayout.h"
#include "explorer/IncludePath.h"
#include "explorer/frmList.h"
#include "files/OpenDocuments.h"
#include "files/Project.h"
#include "language/model/DeclarationKinds.h"
#include "foundation/errors/ErrorLog.h"
#include "platform/Host.h"
#include "platform/KorvoError.h"
#include "platform/dock/DockLayer.h"
#include "vocabulary/SettingsValues.h"
#include "vocabulary/WindowKeys.h"

#include <QTabBar>
#include <QTabWidget>

namespace {

const QString kModule = QStringLiteral("frmMainList");

bool helpWindowActive() {
    return platform::host().activeDocumentWindowKey() == kHelpWindowKey;
}

}

frmMainList::frmMainList(QWidget* parent) : QMainWindow(parent), DSList(new dock::DockLayer(*this)), list_(new frmList) {
    setWindowFlags(Qt::Widget);
    setObjectName(QStringLiteral("frmMainList"));
    setWindowTitle(QStringLiteral("Code Explorer"));
    DSList->setEvents(this);
    ApplyCodeExplorerLayout(*DSList);
    list_->showIncludesMenu = [this] { showIncludesMenu(); };
    Form_Load();
    setExplorerLists(this);
}

frmMainList::~frmMainList() {
    if (explorerLists() == this)
        setExplorerLists(nullptr);
    DSList->setEvents(nullptr);
}

void frmMainList::Form_Unload() {
    list_->Form_Unload();
}

void frmMainList::Form_Load() {
    DSList->documents().add(QString(), list_, QString());
    // One window only: its tab would only take room.
    for (QTabWidget* group : DSList->documents().findChildren<QTabWidget*>())
        group->setTabBarAutoHide(true);
    setChecked(frmList::LastConstruct, true);
    setChecked(QStringLiteral("Project"), true);
}

void frmMainList::setChecked(const QString& key, bool checked) {
    DSList->command(key).setChecked(checked ? 1 : 0);
}

void frmMainList::AllConstructsDirty() {
    if (!gActiveProject)
        return;
    for (const DeclarationKind& kind : kDeclarationKinds)
        gActiveProject->Model.*kind.dirty = true;
}

void frmMainList::CommandClick(dock::Command& command) {
    DSList_CommandClick(command);
}

void frmMainList::DocumentWindowHiding(dock::DocumentWindow&, bool& cancel) {
    cancel = true;
}

void frmMainList::setScope(bool onlyFile) {
    RunIgnoringErrors([&] {
        if (helpWindowActive())
            return;
        frmList::ShowOnlyFile = onlyFile;
        setChecked(QStringLiteral("Project"), !onlyFile);
        setChecked(QStringLiteral("File"), onlyFile);
        AllConstructsDirty();
        if (onlyFile && gUnsortedFunctions != 0)
            frmList::FunctionsProjectFullPath.clear();
    });
}

void frmMainList::DSList_CommandClick(dock::Command& command) {
    const QString key = command.key();
    const bool scope = key == QLatin1String("File") || key == QLatin1String("Project");
    RunIgnoringErrors([&] { setChecked(frmList::LastConstruct, false); });
    RunIgnoringErrors([&] {
        frmList::ColWidth1 = ColumnWidth(frmList::LastConstruct, 1);
        if (!frmList::ShowOnlyFile)
            frmList::ColWidth2 = ColumnWidth(frmList::LastConstruct, 2);
    });
    try {
        if (FindExplorerList(key))
            frmList::LastConstruct = key;
        else if (scope)
            setScope(key == QLatin1String("File"));
        else if (key == QLatin1String("OpenInclude"))
            OpenInclude();
        setChecked(frmList::LastConstruct, true);
        list_->PuniLista();
    } catch (...) {
        if (!scope)
            SetErrorLog(QStringLiteral("DSList_CommandClick"), kModule);
    }
}

void frmMainList::OpenInclude() {
    const CodeListItem* include = list_->list(QStringLiteral("Includes"))->selectedRow();
    const ProjectPtr project = frmList::ShownProject();
    if (!include || !project)
        return;
    QString holder = project->FullPath;
    if (!project->SingleFile) {
        const FilePtr member = project->Files.Item(include->file());
        if (!member)
            RaiseError(ErrInvalidProcedureCall, QStringLiteral("No member file ") + include->file(), kModule);
        holder = MemberDiskPath(*project, *member);
    }
    if (IsUntitledKey(holder))
        return;
    const QString path = IncludedFilePath(holder, include->name());
    if (path.isEmpty())
        return;
    // Sources written on Windows may spell the name in another letter case.
    OpenFile(DiskLetterCase(path));
}

void frmMainList::showIncludesMenu() {
    dock::Command& popup = DSList->command(QStringLiteral("CodeExPopupMenu"));
    while (popup.controlCount() > 0)
        popup.deleteControl(1);
    popup.addControl(QStringLiteral("OpenInclude"));
    DSList->showPopup(QStringLiteral("CodeExPopupMenu"));
}

QString frmMainList::LastConstruct() const {
    return frmList::LastConstruct;
}

void frmMainList::SetLastConstruct(const QString& list) {
    frmList::LastConstruct = list;
}

int frmMainList::ColumnWidth(const QString& list, int column) const {
    const CodeListView* view = list_->list(list);
    if (!view || column < 1 || column > view->columnCount())
        RaiseError(35601, QStringLiteral("Element not found"), kModule);
    return view->columnWidthTwips(column - 1);
}

void frmMainList::SetColWidth1(int width) {
    frmList::ColWidth1 = width;
}

void frmMainList::SetColWidth2(int width) {
    frmList::ColWidth2 = width;
}

bool frmMainList::ShowOnlyFile() const {
    return frmList::ShowOnlyFile;
}

void frmMainList::PuniLista() {
    list_->PuniLista();
}

bool frmMainList::Visible() const {
    return list_->isVisible();
}

void frmMainList::FocusList(const QString& list) {
    if (CodeListView* view = list_->list(list))
        view->setFocus();
}

void frmMainList::SetListChecked(const QString& list, bool checked) {
    setChecked(list, checked);
}
