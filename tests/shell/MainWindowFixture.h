#pragma once

#include "shell/frmMain.h"
#include "support/TestEnvironment.h"

#include <memory>

// A main window loaded as the start-up sequence loads it, with the options
// at their defaults but the help window's opening at start, and no
// program-folder layout (the built-in one serves).
class MainWindowTest : public KorvoTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes the files into the program folder and opens them as a second start would.
    void openFiles(const QStringList& names);
    QList<platform::PromptRequest> savePrompts() const;
    // Opens a.bb with the text in the program folder as the active editor.
    void openText(const QByteArray& text);
    // The whole text of the current view.
    QByteArray text();

    std::unique_ptr<frmMain> main;
};
