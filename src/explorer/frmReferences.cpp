#include "explorer/frmReferences.h"

#include "editor/ActiveDocument.h"
#include "editor/SciWrappers.h"
#include "explorer/ExplorerIcons.h"
#include "explorer/MemberWindow.h"
#include "explorer/UnusedDeclarations.h"
#include "files/Project.h"
#include "foundation/Twips.h"
#include "foundation/errors/ErrorLog.h"
#include "platform/Host.h"
#include "platform/Prompt.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

const QString kModule = QStringLiteral("frmReferences");
constexpr int kReferenceRole = Qt::UserRole;
constexpr int kFileColumnTwips = 1640;

// Selects the line from its end (before its line end) back to its start.
void selectLineOf(long position) {
    if (!IsEditorActive() || position < 0 || position > SciGetLength())
        return;
    const long line = SciLineFromPosition(position);
    SciEnsureVisible(line);
    SciSetSel(SciGetLineEndPosition(line), SciPositionFromLine(line));
    SciGrabFocus();
}

}

frmReferences::frmReferences(QWidget* owner) : QDialog(owner), lvReferences_(new QTreeWidget(this)) {
    setWindowTitle(QStringLiteral("Review Declarations"));
    auto* label = new QLabel(QStringLiteral("Unused declarations ( Variables and Functions ) in the current file /project :"), this);
    lvReferences_->setObjectName(QStringLiteral("lvReferences"));
    lvReferences_->setRootIsDecorated(false);
    lvReferences_->setUniformRowHeights(true);
    lvReferences_->setAllColumnsShowFocus(true);
    lvReferences_->setHeaderLabels({QStringLiteral("Name"), QStringLiteral("Type"), QStringLiteral("File")});
    lvReferences_->installEventFilter(this);
    connect(lvReferences_, &QTreeWidget::itemDoubleClicked, this, [this] { lvReferences_DblClick(); });
    auto* bnClose = new QPushButton(QStringLiteral("&Close"), this);
    bnClose->setObjectName(QStringLiteral("bnClose"));
    connect(bnClose, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(bnClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(lvReferences_);
    layout->addLayout(buttons);
    resize(520, 360);
    Form_Load();
}

void frmReferences::Form_Load() {
    if (!gActiveProject)
        return;
    try {
        const CodeModel& model = gActiveProject->Model;
        const bool singleFile = gActiveProject->SingleFile;
        lvReferences_->setColumnHidden(2, singleFile);
        if (!singleFile)
            lvReferences_->setColumnWidth(2, kFileColumnTwips / twips::perPixelX(lvReferences_));
        for (const UnusedDeclaration& unused : ListUnused(model)) {
            auto* row = new QTreeWidgetItem(lvReferences_, {unused.name, unused.kind, singleFile ? QString() : unused.file});
            row->setIcon(0, ExplorerIcon(unused.picture));
            row->setData(0, kReferenceRole, unused.reference);
        }
        // Names and kinds are shown whole.
        lvReferences_->resizeColumnToContents(0);
        lvReferences_->resizeColumnToContents(1);
        ClearReferences(model);
    } catch (...) {
        SetErrorLog(QStringLiteral("Form_Load"), kModule);
    }
}

void frmReferences::ShowModal() {
    if (lvReferences_->topLevelItemCount() == 0)
        platform::MsgBox(QStringLiteral("No unused declarations found in this project/file."), platform::vbInformation);
    platform::PromptRequest request;
    request.kind = platform::PromptKind::ModalForm;
    request.title = windowTitle();
    request.choices = {QStringLiteral("&Close")};
    if (platform::ask(request).button == -1)
        exec();
}

void frmReferences::lvReferences_DblClick() {
    const QTreeWidgetItem* row = lvReferences_->currentItem();
    const ProjectPtr project = gActiveProject;
    if (!row || !row->isSelected() || !project)
        return;
    try {
        const ReferencePlace place = ParseReference(row->data(0, kReferenceRole).toString());
        if (!ShowDeclaringDocument(*project, place.file))
            return;
        if (gActiveDoc && gActiveDoc->Filename() == place.file)
            selectLineOf(place.position);
    } catch (...) {
        SetErrorLog(QStringLiteral("lvReferences_DblClick"), kModule);
    }
}

bool frmReferences::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lvReferences_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            lvReferences_DblClick();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void DeclarationReview::ShowModal(QWidget* owner) {
    frmReferences form(owner);
    form.ShowModal();
}

DeclarationReview& TheDeclarationReview() {
    static DeclarationReview review;
    return review;
}
