#pragma once

#include <QString>

class QWidget;

// What the shell's commands ask of the code explorer, the help browser and
// the review of unused declarations. Each registers itself when it is
// built; until then its accessor answers null and the commands that need
// it say that the feature is not available. A failing call raises a
// KorvoError.

// The code explorer's lists: "Functions", "Types", "Arrays", "Globals",
// "Constants", "Labels" and "Includes", each a list view named "lv"
// followed by the list's name, and one checked command per list in the
// explorer's own command bar.
class ExplorerLists {
public:
    virtual ~ExplorerLists() = default;

    // The list shown.
    virtual QString LastConstruct() const = 0;
    virtual void SetLastConstruct(const QString& list) = 0;
    // Width of column 1 or 2 of the list's view.
    virtual int ColumnWidth(const QString& list, int column) const = 0;
    // The widths the next refill gives columns 1 and 2.
    virtual void SetColWidth1(int width) = 0;
    virtual void SetColWidth2(int width) = 0;
    // True when the lists show the current file only, with one column.
    virtual bool ShowOnlyFile() const = 0;
    // Refills the list shown from the active project.
    virtual void PuniLista() = 0;
    virtual bool Visible() const = 0;
    virtual void FocusList(const QString& list) = 0;
    virtual void SetListChecked(const QString& list, bool checked) = 0;
};

// The help browser, hosted in the document window "HELP WINDOW".
class HelpHost {
public:
    virtual ~HelpHost() = default;

    virtual bool Visible() const = 0;
    // Opens the keyword's help page; false when it has none.
    virtual bool ShowBrowserHelp(const QString& keyword) = 0;
    // The ready state of the current help tab's page: 1 while it loads.
    virtual int ReadyState() const = 0;
    // The ID of the help browser's document window.
    virtual QString HelpWindowID() const = 0;
};

// The window that lists the declarations used nowhere but where they are
// declared, from the references the colouriser collected.
class ReviewWindow {
public:
    virtual ~ReviewWindow() = default;

    // Shown modally, owned by the owner window.
    virtual void ShowModal(QWidget* owner) = 0;
};

ExplorerLists* explorerLists();
HelpHost* helpHost();
ReviewWindow* reviewWindow();

// nullptr unregisters; each unregisters itself before it goes.
void setExplorerLists(ExplorerLists* lists);
void setHelpHost(HelpHost* help);
void setReviewWindow(ReviewWindow* review);
