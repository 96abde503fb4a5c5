#include "aids/InserterCommands.h"

#include "aids/EditorDialogs.h"
#include "aids/FrmInsertColor.h"
#include "aids/FrmScancode.h"
#include "editor/ActiveDocument.h"
#include "editor/Navigation.h"
#include "editor/SciWrappers.h"
#include "files/Project.h"
#include "foundation/FileHelpers.h"
#include "foundation/MessageHelpers.h"
#include "foundation/errors/ErrorLog.h"
#include "platform/Prompt.h"

#include <QDir>

QList<unsigned> gCustomColors(16, 0);

namespace {

const QString kFilePathFilter = QStringLiteral(
    "All Files (*.*);;"
    "Images (*.bmp *.jpg *.jpeg *.png *.gif *.tga);;"
    "3D Objects (*.b3d *.3ds *.x *.md2);;"
    "Audio (*.wav *.ogg *.mp3 *.mid *.mod *.s3m *.it);;"
    "Blitz Basic Files (*.bb)");

// The seam answers for the form with a choice, or -1 to have it shown.
int askForm(const QString& title, const QString& detail, const QStringList& choices) {
    platform::PromptRequest request;
    request.kind = platform::PromptKind::ModalForm;
    request.title = title;
    request.detail = detail;
    request.choices = choices;
    return platform::ask(request).button;
}

void showInsertColor(unsigned colour) {
    FrmInsertColor form(DialogOwner());
    form.FillColors(colour);
    const int choice = askForm(form.windowTitle(), form.ChosenText(), {QStringLiteral("&Cancel"), QStringLiteral("&Insert Color")});
    if (choice == 1)
        form.cmdInsert_Click();
    else if (choice != -1)
        form.reject();
    else
        form.exec();
}

}

void InsertColor() {
    try {
        if (!IsEditorActive())
            return;
        const std::optional<unsigned> colour = platform::chooseColourCentred(QStringLiteral("Choose Color To Insert"), 0, gCustomColors);
        if (colour)
            showInsertColor(*colour);
    } catch (...) {
    }
    FocusEditor();
}

QString FilePathBase(const ClsProject& project) {
    return project.SingleFile ? GetFolderOfPath(project.FullPath, true) : project.Path;
}

QString QuotedRelativePath(const QString& baseFolder, const QString& chosenFile) {
    const QString file = QDir::cleanPath(chosenFile);
    QString relative = GetRelativePath(baseFolder, file);
    if (relative.size() > 1 && relative.startsWith(QLatin1Char('/')))
        relative.remove(0, 1);
    if (relative.isEmpty())
        relative = file;
    return QLatin1Char('"') + relative + QLatin1Char('"');
}

void InsertFilePath() {
    try {
        if (!IsEditorActive() || !gActiveProject)
            return;
        const QString base = FilePathBase(*gActiveProject);
        const std::optional<QString> chosen =
            platform::chooseOpenFile(QStringLiteral("Insert Filename with relative path..."), base, kFilePathFilter);
        if (!chosen)
            return;
        SciReplaceSel(QuotedRelativePath(base, *chosen));
        FocusEditor();
    } catch (...) {
        SetErrorLog(QStringLiteral("InsertFilePath"), QStringLiteral("Mod_MenuCommands"));
    }
}

void InsertFilename() {
    ShowNotAvailable();
}

void InsertScancode() {
    try {
        FrmScancode form(DialogOwner());
        if (askForm(form.windowTitle(), QString(), {QStringLiteral("Cancel")}) == -1)
            form.exec();
        else
            form.reject();
    } catch (...) {
        SetErrorLog(QStringLiteral("InsertScancode"), QStringLiteral("Mod_MenuCommands"));
    }
    FocusEditor();
}
