#pragma once

#include "explorer/ExplorerServices.h"

#include <QDialog>

class QTreeWidget;
class QTreeWidgetItem;

// "Review Declarations": the declarations of the active project whose only
// collected reference is their own, from the references the review command
// collected, which loading the window empties again. Activating a row
// selects its declaration's line.
class frmReferences : public QDialog {
    Q_OBJECT
public:
    explicit frmReferences(QWidget* owner = nullptr);

    QTreeWidget* lvReferences() const { return lvReferences_; }
    // Tells when nothing is unused, then shows the window modally.
    void ShowModal();
    void lvReferences_DblClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();

    QTreeWidget* lvReferences_;
};

// The review window as the shell's review command reaches it.
class DeclarationReview : public ReviewWindow {
public:
    void ShowModal(QWidget* owner) override;
};

// The one that StartCore registers.
DeclarationReview& TheDeclarationReview();
