#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// "Create new project": a name and a working folder, then the project file's
// place in a save dialog. Creates an empty project (no categories, no files,
// the default compiler), opens it and writes its file; creates no folder
// and no source file.
class frmNewProject : public QDialog {
    Q_OBJECT
public:
    explicit frmNewProject(QWidget* parent = nullptr);

    // Fills the working folder from a folder browser; a cancelled browser empties it.
    void cmdBrowse_Click();
    // Asks where to save, then creates the project and closes the dialog.
    // A cancelled save dialog, the path of an open project or a failed
    // write leave the dialog open and no project added.
    void OKButton_Click();
    void CancelButton_Click();

    QLabel* Label1 = nullptr;
    QLineEdit* txtName = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* txtPath = nullptr;
    QPushButton* cmdBrowse = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;

private:
    void createProject(const QString& path);
};

// Shows the dialog modally, owned by owner.
void ShowNewProjectDialog(QWidget* owner);
