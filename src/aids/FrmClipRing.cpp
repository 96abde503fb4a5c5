#include "aids/FrmClipRing.h"

#include "aids/ClipRing.h"
#include "editor/CurrentView.h"
#include "editor/DocumentLineEnds.h"
#include "editor/SciWrappers.h"
#include "editor/frmDoc.h"
#include "foundation/Twips.h"
#include "platform/AnsiText.h"
#include "platform/Prompt.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

const QString kCaption = QStringLiteral("ClipBoard Ring");
constexpr int kPreviewLength = 100;

QString preview(const QByteArray& entry) {
    return platform::fromAnsi(entry.left(kPreviewLength))
        .replace(QStringLiteral("\r\n"), QStringLiteral(" "))
        .replace(QLatin1Char('\t'), QLatin1Char(' '));
}

}

FrmClipRing::FrmClipRing(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmClipRing"));
    setWindowTitle(kCaption);

    ListView1 = new QTreeWidget(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setHeaderLabels({QStringLiteral("Text to Insert"), QStringLiteral("Lines")});
    ListView1->setRootIsDecorated(false);
    ListView1->installEventFilter(this);
    auto* bnClear = new QPushButton(QStringLiteral("Clear &All"), this);
    bnClear->setObjectName(QStringLiteral("bnClear"));
    auto* bnClose = new QPushButton(QStringLiteral("&Close"), this);
    bnClose->setObjectName(QStringLiteral("bnClose"));
    for (QPushButton* b : {bnClear, bnClose})
        b->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(bnClear);
    buttons->addWidget(bnClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Clipboard Ring"), this));
    layout->addWidget(ListView1, 1);
    layout->addLayout(buttons);
    resize(480, 280);

    connect(ListView1, &QTreeWidget::itemDoubleClicked, this, [this] { InsertSelected(); });
    connect(bnClear, &QPushButton::clicked, this, [this] { bnClear_Click(); });
    connect(bnClose, &QPushButton::clicked, this, &QDialog::reject);
    FillList();
}

void FrmClipRing::FillList() {
    for (int i = 1; i <= gClipRingTexts.size(); ++i) {
        const int at = int(gClipRingTexts.size()) - i;
        new QTreeWidgetItem(ListView1, {preview(gClipRingTexts[at]), QString::number(gClipRingLineCounts.value(at))});
    }
}

void FrmClipRing::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    const int perPixel = twips::perPixelX(this);
    ListView1->setColumnWidth(0, ListView1->width() - 860 / perPixel);
    ListView1->setColumnWidth(1, 560 / perPixel);
}

bool FrmClipRing::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ListView1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            InsertSelected();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FrmClipRing::InsertSelected() {
    QTreeWidgetItem* row = ListView1->currentItem();
    if (!row || !row->isSelected())
        return;
    const int fromNewest = ListView1->indexOfTopLevelItem(row) + 1;
    if (fromNewest > gClipRingTexts.size())
        return;
    SciReplaceSel(InDocumentLineEnds(ClipRingEntryFromNewest(fromNewest)));
    accept();
}

void FrmClipRing::bnClear_Click() {
    ClearClipRing();
    ListView1->clear();
}

void FrmClipRing::PlaceAtCaret() {
    if (!IsEditorActive())
        return;
    const long caret = SciGetCurrentPos();
    QPoint at = gActiveDoc->Sci->mapToGlobal(QPoint(int(SciPointXFromPosition(caret)), int(SciPointYFromPosition(caret))));
    const QScreen* screen = gActiveDoc->Sci->screen();
    if (screen) {
        const QRect available = screen->availableGeometry();
        const int frameHeight = frameGeometry().height();
        if (at.y() > available.bottom() + 1 - frameHeight)
            at.setY(available.bottom() + 1 - frameHeight);
    }
    move(at);
}

void ShowClipRing(QWidget* owner) {
    platform::PromptRequest request;
    request.kind = platform::PromptKind::ModalForm;
    request.title = kCaption;
    request.choices = {QStringLiteral("&Close")};
    if (platform::ask(request).button != -1)
        return;
    FrmClipRing form(owner);
    form.PlaceAtCaret();
    form.exec();
}
