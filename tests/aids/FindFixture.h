#pragma once

#include "aids/SearchEngine.h"
#include "shell/MainWindowFixture.h"

class frmDoc;

// A loaded main window whose documents are opened as the command line
// opens them, and a search engine with the dialog's default options.
class FindTest : public MainWindowTest {
protected:
    void TearDown() override;

    // Writes the file into the program folder and opens it; it becomes active.
    frmDoc* open(const QString& name, const QByteArray& text);
    // Makes the open documents the members of one project.
    void joinProject(const QString& projectName, const QList<frmDoc*>& members);
    void activate(frmDoc* doc);
    void setCaret(int line, int column);
    void select(int anchorLine, int anchorColumn, int caretLine, int caretColumn);

    // Of the active document.
    QByteArray text() const;
    // "L:C-L:C", anchor then caret.
    QString selection() const;
    QList<long> bookmarks() const;
    // Each message box's "title|text".
    QStringList messages() const;

    SearchEngine engine;
};
