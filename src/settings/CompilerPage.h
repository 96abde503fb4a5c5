#pragma once

#include "language/keywords/Compiler.h"

#include <QWidget>

class QCheckBox;
class QLineEdit;
class QListWidget;

// Page "&Compilers" of the preferences: works on the live gCompilers and
// DefaultCompiler, so every change holds at once and Cancel keeps it; the
// dialog's Apply writes them. A compiler's definition file follows a rename
// at once.
class CompilerPage : public QWidget {
    Q_OBJECT
public:
    explicit CompilerPage(QWidget* parent);

    // Forgets the compiler shown, as the dialog closes.
    void release() { SelectedCompiler.reset(); }

    void cmdAdd_Click();
    void cmdRemove_Click();
    void cmdRename_Click();
    void cmdSetAsDefault_Click();
    void cmdRefreshDef_Click();
    void cmdBrowseBpath_Click();
    void cmdBrowseHPath_Click();

private:
    void PopulateCompilers();
    void lvCompilers_ItemClick();
    void ShowCompiler();
    void selectItem(const QString& name);
    // Warns and answers false when the name cannot be a new compiler's.
    bool acceptableName(const QString& name, const QString& takenMessage);
    // A chosen folder that holds a compiler, or "".
    QString browseCompilerFolder();

    QListWidget* lvCompilers = nullptr;
    QLineEdit* txtBlitzPath = nullptr;
    QLineEdit* txtHelpPath = nullptr;
    QCheckBox* chkUseBlitzConsole = nullptr;
    CompilerPtr SelectedCompiler;
};
