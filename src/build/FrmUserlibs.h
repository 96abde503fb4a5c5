#pragma once

#include "build/UserLibraries.h"
#include "language/keywords/Compiler.h"

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// "Edit User Libraries": switches the active compiler's user libraries on
// and off, edits a declaration file as plain text and refreshes the
// compiler's keyword definitions.
class FrmUserlibs : public QDialog {
    Q_OBJECT
public:
    explicit FrmUserlibs(QWidget* parent = nullptr);

    // The window's close box, Escape and Close end here: while libraries
    // changed after the last refresh, the user may stay.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void Form_Load();
    void Form_Activate();
    void lvUserLibs_ItemClick(QTreeWidgetItem* entry);
    void lvUserLibs_ItemCheck(QTreeWidgetItem* entry);
    void lvUserLibs_DblClick();
    void cmdSave_Click();
    void cmdRefreshDef_Click();
    void cmdClose_Click();
    bool SaveUserlib(int library);
    // False when the user wanted the edits saved and they could not be.
    bool offerToSaveEdits();
    void loadLibrary(int library);
    void selectQuietly(int library);
    QString libraryPath(int library) const;
    QString editorText() const;

    QTreeWidget* lvUserLibs = nullptr;
    QPlainTextEdit* Rtb = nullptr;
    QPushButton* cmdSave = nullptr;
    QLabel* lblCompiler = nullptr;

    CompilerPtr compiler_;
    QString UserlibsFolder_;
    QList<UserLibrary> libraries_;
    bool FolderMissing = false;
    int EditedItem = -1;
    bool lineEndsCrlf_ = true;
    bool EditorDirty = false;
    bool NeedRefresh = false;
    bool activated_ = false;
};

// The command "Edit Userlibs": shows the dialog modally through the prompt seam.
void ShowUserlibsDialog(QWidget* owner);
