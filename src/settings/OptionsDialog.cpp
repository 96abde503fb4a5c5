#include "settings/OptionsDialog.h"

#include "editor/WaitCursor.h"
#include "foundation/controls/SpinText.h"
#include "foundation/Twips.h"
#include "foundation/errors/ErrorLog.h"
#include "platform/SettingsStore.h"
#include "vocabulary/SettingsValues.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

OptionsDialog::OptionsDialog(const QString& formName, const QString& caption, const QString& pageKey,
                             const QString& containerName, QSize sizeInTwips, QWidget* parent)
    : QDialog(parent), formName_(formName), pageKey_(pageKey), containerName_(containerName), sizeInTwips_(sizeInTwips) {
    setObjectName(formName);
    setWindowTitle(caption);
    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
}

QWidget* OptionsDialog::addPage(const QString& caption) {
    auto* container = new QWidget;
    container->setObjectName(QStringLiteral("%1(%2)").arg(containerName_).arg(SSTab1->count()));
    SSTab1->addTab(container, caption);
    return container;
}

void OptionsDialog::finishPages() {
    auto* cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    auto* cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    auto* cmdApply = new QPushButton(QStringLiteral("Apply"), this);
    cmdApply->setObjectName(QStringLiteral("cmdApply"));
    connect(cmdOK, &QPushButton::clicked, this, &OptionsDialog::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(cmdApply, &QPushButton::clicked, this, &OptionsDialog::cmdApply_Click);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    buttons->addWidget(cmdApply);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(SSTab1);
    layout->addLayout(buttons);

    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
    connect(SSTab1, &QTabWidget::currentChanged, this, &OptionsDialog::showPage);

    const QRect least = twips::toPixels(this, QRect(QPoint(), sizeInTwips_));
    resize(least.size().expandedTo(sizeHint()));
    const int stored = settingToLong(platform::GetSetting(kOptionsSection, pageKey_, QStringLiteral("0")));
    SSTab1->setCurrentIndex(stored >= 0 && stored < SSTab1->count() ? stored : 0);
    showPage(SSTab1->currentIndex());
}

void OptionsDialog::showPage(int index) {
    for (int i = 0; i < SSTab1->count(); ++i)
        SSTab1->widget(i)->setEnabled(i == index);
}

void OptionsDialog::stepPage(int step) {
    const int count = SSTab1->count();
    SSTab1->setCurrentIndex((SSTab1->currentIndex() + step + count) % count);
}

bool OptionsDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool ctrl = key->modifiers() & Qt::ControlModifier;
        const bool shift = key->modifiers() & Qt::ShiftModifier;
        if (ctrl && (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)) {
            stepPage(shift || key->key() == Qt::Key_Backtab ? -1 : 1);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void OptionsDialog::cmdApply_Click() {
    // The pointer comes back also when the Apply fails.
    WaitCursorScope wait;
    try {
        if (apply())
            Applied = true;
    } catch (...) {
        SetErrorLog(QStringLiteral("cmdApply_Click"), formName_);
    }
}

void OptionsDialog::cmdOK_Click() {
    cmdApply_Click();
    if (Applied)
        accept();
}

void OptionsDialog::done(int result) {
    unload();
    platform::SaveSetting(kOptionsSection, pageKey_, QString::number(SSTab1->currentIndex()));
    QDialog::done(result);
}

QCheckBox* OptionsDialog::box(const char* name) const {
    return findChild<QCheckBox*>(QLatin1String(name));
}

QRadioButton* OptionsDialog::opt(const char* group, int index) const {
    return findChild<QRadioButton*>(QStringLiteral("%1(%2)").arg(QLatin1String(group)).arg(index));
}

SpinText* OptionsDialog::spinBox(const char* name) const {
    return findChild<SpinText*>(QLatin1String(name));
}

QLineEdit* OptionsDialog::text(const char* name) const {
    return findChild<QLineEdit*>(QLatin1String(name));
}
