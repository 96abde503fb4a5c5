#pragma once

#include "explorer/CodeListView.h"
#include "explorer/ExplorerListKinds.h"

#include <QHash>
#include <QString>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>

class ClsProject;
class QStackedWidget;

// The code explorer's lists: the seven declaration lists, with the locals
// of the clicked function and the fields of the clicked type beside theirs.
// One list shows at a time (LastConstruct), for the whole project or only
// the active document (ShowOnlyFile). Its state outlives the form: the
// language and files layers make lists refill in full without one.
class frmList : public QWidget {
    Q_OBJECT
public:
    explicit frmList(QWidget* parent = nullptr);
    // Saves the column widths, unless unloaded before.
    ~frmList() override;
    // Saves the column widths, once: the main window's shutdown does it
    // among its own settings, else the destructor does.
    void Form_Unload();

    // The form that exists, or null.
    static frmList* Instance();

    static QString LastConstruct;
    static bool ShowOnlyFile;
    // FullPath of the project the lists were last refreshed for.
    static QString ValidProject;
    // Twips of the name and file columns that a refresh applies.
    static int ColWidth1;
    static int ColWidth2;
    // By DeclarationKindId: the project each list was last filled for; ""
    // makes that list refill in full next time.
    static std::array<QString, kDeclarationKindCount> ListProjectFullPath;
    static QString& GlobalsProjectFullPath;
    static QString& TypesProjectFullPath;
    static QString& FunctionsProjectFullPath;
    static QString& ConstantsProjectFullPath;
    static QString& ArraysProjectFullPath;
    static QString& LabelsProjectFullPath;
    static QString& IncludesProjectFullPath;
    static void ForgetFills();

    // The project the lists show: the active one, else the open project
    // named by ValidProject; null for none. Makes ValidProject the active
    // project's FullPath.
    static std::shared_ptr<ClsProject> ShownProject();

    // Brings the list shown up to date with the shown project, from its
    // dirty flags, then shows it with the column widths.
    bool PuniLista();
    void PuniLista(const std::shared_ptr<ClsProject>& project);

    // "lv" followed by a list's name, "lvLocals" or "lvFields"; null for another name.
    CodeListView* list(const QString& name) const;
    CodeListView* lvLocals() const { return lvLocals_; }
    CodeListView* lvFields() const { return lvFields_; }
    // The page shown: "SplitterFunctions", "SplitterTypes" or a list's name.
    QString shownControlName() const;

    // Jumps to the declaration of an item of one of the seven lists.
    void GotoItem(CodeListItem* item);
    // Fill the companion list with the locals or the fields of the item's record.
    void lvFunctions_ItemClick(CodeListItem* item);
    void lvTypes_ItemClick(CodeListItem* item);

    // Asked to show the includes' popup (the host fills and shows it).
    std::function<void()> showIncludesMenu;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    QWidget* splitterPage(const QString& name, CodeListView* first, CodeListView* second, int position, float ratio);
    CodeListView* addList(const QString& name, const QStringList& headers, const QString& picture);
    void refreshList(const ExplorerListKind& kind, ClsProject& project);
    void fillList(const ExplorerListKind& kind, ClsProject& project);
    void refreshListPartly(const ExplorerListKind& kind, ClsProject& project);
    CodeListItem* newItem(const ExplorerListKind& kind, const CodeRecord& record, bool withLine) const;
    void showCompanion(CodeListView* companion, bool& companionDirty, const std::shared_ptr<clsHash>& records,
                       const QString& picture);
    void finish(const ExplorerListKind& kind);
    void companionClick(CodeListItem* item, bool functions, const std::shared_ptr<ClsProject>& project);

    QStackedWidget* pages_;
    QHash<QString, QWidget*> pageByName_;
    QHash<QString, CodeListView*> lists_;
    CodeListView* lvLocals_ = nullptr;
    CodeListView* lvFields_ = nullptr;
    bool unloaded_ = false;
};
