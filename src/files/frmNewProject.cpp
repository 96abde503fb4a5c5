#include "files/frmNewProject.h"

#include "editor/ActiveDocument.h"
#include "files/Project.h"
#include "files/ProjectCompiler.h"
#include "files/ProjectFile.h"
#include "files/RecentFilesProjects.h"
#include "foundation/FileHelpers.h"
#include "foundation/errors/ErrorLog.h"
#include "platform/Prompt.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString kCaption = QStringLiteral("Create new project");

QPushButton* button(const QString& name, const QString& caption, QWidget* parent) {
    auto* made = new QPushButton(caption, parent);
    made->setObjectName(name);
    return made;
}

QLineEdit* textBox(const QString& name, const QString& tip, QWidget* parent) {
    auto* made = new QLineEdit(parent);
    made->setObjectName(name);
    made->setToolTip(tip);
    return made;
}

}

frmNewProject::frmNewProject(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmNewProject"));
    setWindowTitle(kCaption);
    Label1 = new QLabel(QStringLiteral("Project Name"), this);
    txtName = textBox(QStringLiteral("txtName"), QStringLiteral("Name for this project"), this);
    Label2 = new QLabel(QStringLiteral("Working Dir."), this);
    txtPath = textBox(QStringLiteral("txtPath"), QStringLiteral("Working Directory"), this);
    cmdBrowse = button(QStringLiteral("cmdBrowse"), QStringLiteral("..."), this);
    cmdBrowse->setToolTip(QStringLiteral("Browse for folder"));
    OKButton = button(QStringLiteral("OKButton"), QStringLiteral("&Create"), this);
    OKButton->setDefault(true);
    CancelButton = button(QStringLiteral("CancelButton"), QStringLiteral("Cancel"), this);

    auto* layout = new QGridLayout(this);
    layout->addWidget(Label1, 0, 0);
    layout->addWidget(txtName, 0, 1, 1, 2);
    layout->addWidget(Label2, 1, 0);
    layout->addWidget(txtPath, 1, 1);
    layout->addWidget(cmdBrowse, 1, 2);
    layout->addWidget(OKButton, 2, 1);
    layout->addWidget(CancelButton, 2, 2);

    connect(cmdBrowse, &QPushButton::clicked, this, [this] { cmdBrowse_Click(); });
    connect(OKButton, &QPushButton::clicked, this, [this] { OKButton_Click(); });
    connect(CancelButton, &QPushButton::clicked, this, [this] { CancelButton_Click(); });
}

void frmNewProject::cmdBrowse_Click() {
    txtPath->setText(BrowseForFolder(QStringLiteral("select working directory")));
}

void frmNewProject::OKButton_Click() {
    try {
        QString start = txtPath->text();
        if (!start.isEmpty() && !start.endsWith(QLatin1Char('/')))
            start += QLatin1Char('/');
        std::optional<QString> path = platform::chooseSaveFile(QStringLiteral("Save Project in ..."), start + txtName->text(),
                                                               QStringLiteral("Korvo project files (*.kpf)"));
        if (!path)
            return;
        if (GetExtension(*path).isEmpty())
            *path += QStringLiteral(".kpf");
        createProject(*path);
    } catch (...) {
        SetErrorLog(QStringLiteral("OKButton_Click"), QStringLiteral("frmNewProject"));
        reject();
    }
}

void frmNewProject::createProject(const QString& path) {
    auto project = std::make_shared<ClsProject>();
    SetProjectFilePath(*project, path);
    gProjects.Add(project, project->FullPath);
    if (gProjects.LastError != 0) {
        platform::MsgBox(QStringLiteral("You can't overwrite a project that is loaded in Korvo !"), platform::vbCritical,
                         QStringLiteral("Can't create project"));
        return;
    }
    project->Compiler = DefaultCompilerName();
    ActivateCompiler(project->Compiler);
    if (!SaveProject(*project)) {
        gProjects.RemoveKey(project->FullPath);
        return;
    }
    // The active document's project stays active: the parser fills the
    // active project's tables from the active document.
    if (!gActiveDoc)
        gActiveProject = project;
    AddRecentProject(project->FullPath);
    accept();
}

void frmNewProject::CancelButton_Click() {
    reject();
}

void ShowNewProjectDialog(QWidget* owner) {
    frmNewProject form(owner);
    platform::PromptRequest request;
    request.kind = platform::PromptKind::ModalForm;
    request.title = kCaption;
    request.choices = {QStringLiteral("&Create"), QStringLiteral("Cancel")};
    const platform::PromptAnswer answer = platform::ask(request);
    if (answer.button == -1)
        form.exec();
    else if (answer.button == 0)
        form.OKButton_Click();
}
