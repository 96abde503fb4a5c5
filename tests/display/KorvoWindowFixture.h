#pragma once

#include "support/TestEnvironment.h"

#include <QPointer>
#include <QStringList>

#include <functional>

class frmMain;

// Fills a program folder with the build's conf/ and Styles/ and a keyword
// file of the compiler "Blitz".
void PrepareProgramFolder(const QString& home);
class QMenu;
class QWidget;

// Korvo started in this process as a full start starts it (the splash's
// loaders, then the main window shown), on a program folder with the
// build's conf/ and Styles/, on the real display. beforeStart() may write
// settings and files first. TearDown closes the window as the user does.
// Context menus show on the screen; every other question takes its default
// answer, recorded in prompts.
class KorvoWindowTest : public KorvoTest {
protected:
    void SetUp() override;
    void TearDown() override;
    virtual void beforeStart() {}
    // Closes the main window as the user does and starts again as a full start does.
    void restart();

    // Writes the file into the program folder and opens it as the active document.
    void openDocument(const QString& name, const QByteArray& text);
    // The active document's editor view, where the pointer meets it.
    QWidget* editorViewport() const;
    QByteArray editorText() const;
    // The dock panel's form of a key ("Snippets", "FileExplorer", ...), made visible and raised.
    QWidget* showPanel(const QString& key);
    // Chooses a command of the menu bar with the pointer: the menu's title, then the item.
    void chooseFromMenuBar(const QString& menu, const QString& item);
    // Runs the action (a right-click, say) and returns the captions of the
    // popup menu it shows, after a screenshot and closing it with Escape;
    // empty when none shows. It serves menus that run their own event loop too.
    QStringList popupAfter(const std::function<void()>& action);
    // The popup menu open now, waiting for it to show; null when none shows.
    QMenu* openPopup();
    // Closes the popup menu open now.
    void closePopup();
    // The screenshot of the test's name with a suffix, in build/display-shots/.
    void shot(const QString& suffix = QString());

    QPointer<frmMain> main;

private:
    void start();
    void close();
};
