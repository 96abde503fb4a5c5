#include "aids/FindFixture.h"

#include "aids/FindDialog.h"
#include "editor/ActiveDocument.h"
#include "editor/SciWrappers.h"
#include "editor/frmDoc.h"
#include "files/CommandLineFiles.h"
#include "files/Project.h"
#include "platform/Host.h"
#include "vocabulary/Markers.h"

void FindTest::TearDown() {
    frmFind::Unload();
    MainWindowTest::TearDown();
}

frmDoc* FindTest::open(const QString& name, const QByteArray& text) {
    writeAll(homeFile(name), text);
    main->Text1_Change(JoinCommandLine({homeFile(name)}));
    return gActiveDoc;
}

void FindTest::joinProject(const QString& projectName, const QList<frmDoc*>& members) {
    auto project = std::make_shared<ClsProject>();
    project->FullPath = homeFile(projectName);
    project->Name = projectName;
    gProjects.Add(project, project->FullPath);
    for (frmDoc* doc : members) {
        gProjects.RemoveKey(doc->PrjFullPath);
        doc->PrjFullPath = project->FullPath;
    }
    activate(gActiveDoc);
}

void FindTest::activate(frmDoc* doc) {
    platform::host().activateDocumentWindow(doc->FullFilename);
    if (gActiveDoc != doc)
        ActivateDocument(doc);
}

void FindTest::setCaret(int line, int column) {
    SciGotoPos(SciPositionFromLine(line) + column);
}

void FindTest::select(int anchorLine, int anchorColumn, int caretLine, int caretColumn) {
    SciSetSel(SciPositionFromLine(anchorLine) + anchorColumn, SciPositionFromLine(caretLine) + caretColumn);
}

QByteArray FindTest::text() const {
    gTextRange.cpMin = 0;
    gTextRange.cpMax = -1;
    SciGetTextRange(gTextRange);
    return gTextRange.lpstrText;
}

QString FindTest::selection() const {
    const auto lineColumn = [](sptr_t position) {
        const sptr_t line = SciLineFromPosition(position);
        return QStringLiteral("%1:%2").arg(line).arg(position - SciPositionFromLine(line));
    };
    return lineColumn(SciGetAnchor()) + QLatin1Char('-') + lineColumn(SciGetCurrentPos());
}

QList<long> FindTest::bookmarks() const {
    QList<long> lines;
    for (long line = 0; line < SciGetLineCount(); ++line)
        if (SciMarkerGet(line) & markerMask(MARKER_BOOKMARK))
            lines.append(line);
    return lines;
}

QStringList FindTest::messages() const {
    QStringList shown;
    for (const platform::PromptRequest& prompt : prompts)
        shown.append(prompt.title + QLatin1Char('|') + prompt.text);
    return shown;
}
