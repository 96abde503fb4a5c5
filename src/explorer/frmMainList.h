#pragma once

#include "explorer/ExplorerServices.h"
#include "platform/dock/DockEvents.h"

#include <QMainWindow>

class frmList;
namespace dock {
class DockLayer;
}

// The "Code Explorer" panel: a docking layer of its own (DSList) whose one
// document window holds the lists, with the list and scope commands on its
// tool bar and the includes' popup "CodeExPopupMenu". Its commands are
// compiled in and never written. It answers the shell's explorer commands
// while it exists.
class frmMainList : public QMainWindow, public ExplorerLists, private dock::DockEvents {
    Q_OBJECT
public:
    explicit frmMainList(QWidget* parent = nullptr);
    ~frmMainList() override;

    dock::DockLayer* DSList;
    frmList* lists() const { return list_; }

    // Marks every table of the active project changed, so that each list
    // catches up when next shown; nothing without an active project.
    static void AllConstructsDirty();

    void DSList_CommandClick(dock::Command& command);
    // Opens the file that the selected include names.
    void OpenInclude();
    // Saves what the lists keep (their column widths).
    void Form_Unload();

    QString LastConstruct() const override;
    void SetLastConstruct(const QString& list) override;
    int ColumnWidth(const QString& list, int column) const override;
    void SetColWidth1(int width) override;
    void SetColWidth2(int width) override;
    bool ShowOnlyFile() const override;
    void PuniLista() override;
    bool Visible() const override;
    void FocusList(const QString& list) override;
    void SetListChecked(const QString& list, bool checked) override;

private:
    void CommandClick(dock::Command& command) override;
    void DocumentWindowHiding(dock::DocumentWindow& window, bool& cancel) override;
    void Form_Load();
    void setChecked(const QString& key, bool checked);
    void setScope(bool onlyFile);
    void showIncludesMenu();

    frmList* list_;
};
