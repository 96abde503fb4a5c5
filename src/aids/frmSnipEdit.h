#pragma once

#include <QWidget>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTimer;

// The one snippet editor, a modeless window owned by the main window: the
// text, name and folder of a new snippet or of one being changed. OK saves
// it as a Windows-1252 file with CR LF line ends under the program folder,
// moving or renaming it when the folder or name changed, and has the
// snippets panel show it selected. Closing unloads it.
class frmSnipEdit : public QWidget {
    Q_OBJECT
public:
    explicit frmSnipEdit(QWidget* owner = nullptr);

    // A new snippet in the folder (relative to the program folder) with
    // the text; the text "New Snippet" leaves the code box as it is.
    void StartNew(const QString& text, const QString& folder);
    // Loads the named snippet of the folder for editing.
    void StartEdit(const QString& folder, const QString& name);

    void cmdBrowse_Click();
    void cmdSave_Click();

    QLineEdit* txtFolder = nullptr;
    QLineEdit* txtName = nullptr;
    QPlainTextEdit* rtfCode = nullptr;
    QPushButton* cmdBrowse = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdCancel = nullptr;
    // One-shot: activates the editor once a drop has finished.
    QTimer* Timer = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QByteArray codeBytes() const;
    void save();

    QString loadedFolder_;
    QString loadedName_;
    bool dirty_ = false;
};

// The editor while it is loaded, else null.
frmSnipEdit* SnippetEditor();
// Shows the editor, loading it first when needed.
frmSnipEdit* ShowSnippetEditor();

// The proposed name of a new snippet: its text up to the first character
// below 31, at most 25 characters.
QString ProposedSnippetName(const QString& text);
