#include "shell/MainWindowFixture.h"

#include "editor/frmDoc.h"

#include "build/CompilerList.h"
#include "editor/CurrentView.h"
#include "editor/SciWrappers.h"
#include "files/CommandLineFiles.h"
#include "editor/ActiveDocument.h"
#include "support/SessionGlobals.h"
#include "vocabulary/SettingsValues.h"

void MainWindowTest::SetUp() {
    KorvoTest::SetUp();
    GetOptions();
    GetEditOptions();
    // The document windows are the tests' own: no help window at start.
    gOpenBrowserAtStartup = 0;
    // A compiler whose keywords count as loaded, so activation asks nothing.
    auto blitz = std::make_shared<ClsCompiler>();
    blitz->Name = QStringLiteral("Blitz");
    blitz->KeywordsLoaded = true;
    gCompilers.Add(blitz, blitz->Name);
    DefaultCompiler = blitz->Name;
    main = std::make_unique<frmMain>();
    main->Form_Load();
}

void MainWindowTest::TearDown() {
    main.reset();
    ForgetSessionGlobals();
    KorvoTest::TearDown();
}

void MainWindowTest::openFiles(const QStringList& names) {
    QStringList paths;
    for (const QString& name : names) {
        writeAll(homeFile(name), "Print 1\r\n");
        paths.append(homeFile(name));
    }
    main->Text1_Change(JoinCommandLine(paths));
}

QList<platform::PromptRequest> MainWindowTest::savePrompts() const {
    QList<platform::PromptRequest> found;
    for (const platform::PromptRequest& prompt : prompts)
        if (prompt.text.contains(QStringLiteral("has changed")))
            found.append(prompt);
    return found;
}

void MainWindowTest::openText(const QByteArray& text) {
    writeAll(homeFile(QStringLiteral("a.bb")), text);
    main->Text1_Change(homeFile(QStringLiteral("a.bb")));
    ASSERT_TRUE(IsEditorActive());
}

QByteArray MainWindowTest::text() {
    gTextRange.cpMin = 0;
    gTextRange.cpMax = -1;
    SciGetTextRange(gTextRange);
    return gTextRange.lpstrText;
}
