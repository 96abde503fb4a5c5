#include "shell/CustomizeDialog.h"

#include "platform/Prompt.h"
#include "platform/dock/DockLayer.h"
#include "shell/frmMain.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequenceEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

enum Column { CaptionColumn, ShortcutColumn };
constexpr int kKeyRole = Qt::UserRole;

bool customisable(dock::CommandKind kind) {
    switch (kind) {
    case dock::CommandKind::Plain:
    case dock::CommandKind::Popup:
    case dock::CommandKind::List:
    case dock::CommandKind::WindowList:
    case dock::CommandKind::Combo:
        return true;
    default:
        return false;
    }
}

QString shortcutText(const QString& portable) {
    return QKeySequence(portable).toString(QKeySequence::NativeText);
}

}

CustomizeDialog::CustomizeDialog(dock::DockLayer& layer, QWidget* parent)
    : QDialog(parent), layer_(layer), commands_(new QTreeWidget(this)), caption_(new QLineEdit(this)),
      shortcut_(new QKeySequenceEdit(this)), toolBars_(new QListWidget(this)) {
    setWindowTitle(QStringLiteral("Korvo - Customize UI"));
    commands_->setColumnCount(2);
    commands_->setHeaderLabels({QStringLiteral("Command"), QStringLiteral("Shortcut")});
    commands_->header()->setSectionResizeMode(CaptionColumn, QHeaderView::Stretch);
    auto* edit = new QFormLayout;
    edit->addRow(QStringLiteral("&Caption:"), caption_);
    edit->addRow(QStringLiteral("&Shortcut:"), shortcut_);
    auto* left = new QVBoxLayout;
    left->addWidget(commands_, 1);
    left->addLayout(edit);
    auto* right = new QVBoxLayout;
    auto* toolBarsLabel = new QLabel(QStringLiteral("&Toolbars:"), this);
    toolBarsLabel->setBuddy(toolBars_);
    right->addWidget(toolBarsLabel);
    right->addWidget(toolBars_, 1);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 3);
    columns->addLayout(right, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addWidget(buttons);
    resize(640, 480);

    fillCommands();
    fillToolBars();
    connect(commands_, &QTreeWidget::currentItemChanged, this, &CustomizeDialog::showSelected);
    connect(caption_, &QLineEdit::textEdited, this, &CustomizeDialog::setCaption);
    // Only the finished keys count: starting to record clears the edit first.
    connect(shortcut_, &QKeySequenceEdit::editingFinished, this, [this] { setShortcut(shortcut_->keySequence()); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    showSelected();
}

void CustomizeDialog::fillCommands() {
    QHash<QString, QTreeWidgetItem*> groups;
    for (const dock::Command* command : layer_.commands()) {
        if (!customisable(command->kind()))
            continue;
        const QString group = command->group().isEmpty() ? QStringLiteral("Other") : command->group();
        QTreeWidgetItem*& heading = groups[group];
        if (!heading) {
            heading = new QTreeWidgetItem(commands_, {group});
            heading->setFlags(Qt::ItemIsEnabled);
            heading->setExpanded(true);
        }
        auto* item = new QTreeWidgetItem(heading, {command->caption(), shortcutText(command->shortcut())});
        item->setData(CaptionColumn, kKeyRole, command->key());
        items_.insert(command->key(), item);
        edits_.insert(command->key(), {command->caption(), command->shortcut()});
    }
}

void CustomizeDialog::fillToolBars() {
    for (const dock::CommandBar* bar : layer_.bars()) {
        if (bar->kind() != dock::BarKind::ToolBar)
            continue;
        auto* item = new QListWidgetItem(bar->caption(), toolBars_);
        item->setData(kKeyRole, bar->key());
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(bar->visible() ? Qt::Checked : Qt::Unchecked);
    }
}

QString CustomizeDialog::selectedKey() const {
    const QTreeWidgetItem* item = commands_->currentItem();
    return item ? item->data(CaptionColumn, kKeyRole).toString() : QString();
}

void CustomizeDialog::showSelected() {
    const QString key = selectedKey();
    caption_->setEnabled(!key.isEmpty());
    shortcut_->setEnabled(!key.isEmpty());
    caption_->setText(edits_.value(key).caption);
    shortcut_->setKeySequence(QKeySequence(edits_.value(key).shortcut));
}

void CustomizeDialog::refreshItem(const QString& key) {
    if (QTreeWidgetItem* item = items_.value(key)) {
        item->setText(CaptionColumn, edits_.value(key).caption);
        item->setText(ShortcutColumn, shortcutText(edits_.value(key).shortcut));
    }
}

bool CustomizeDialog::selectCommand(const QString& key) {
    QTreeWidgetItem* item = items_.value(key);
    if (item)
        commands_->setCurrentItem(item);
    return item != nullptr;
}

void CustomizeDialog::setCaption(const QString& caption) {
    const QString key = selectedKey();
    if (key.isEmpty())
        return;
    edits_[key].caption = caption;
    refreshItem(key);
}

// The command other than except whose shortcuts, as edited so far, hold the keys.
QString CustomizeDialog::holderOf(const QString& portable, const QString& except) const {
    for (const dock::Command* command : layer_.commands()) {
        if (command->key() == except)
            continue;
        QStringList held = command->shortcuts();
        if (edits_.contains(command->key())) {
            if (!held.isEmpty())
                held.removeFirst();
            held.prepend(edits_.value(command->key()).shortcut);
        }
        for (const QString& text : held)
            if (!text.isEmpty() && QKeySequence(text).toString(QKeySequence::PortableText) == portable)
                return command->key();
    }
    return QString();
}

bool CustomizeDialog::setShortcut(const QKeySequence& keys) {
    const QString key = selectedKey();
    if (key.isEmpty())
        return false;
    const QString portable = keys.toString(QKeySequence::PortableText);
    if (const QString holder = portable.isEmpty() ? QString() : holderOf(portable, key); !holder.isEmpty()) {
        const QString caption = edits_.contains(holder) ? edits_.value(holder).caption : layer_.findCommand(holder)->caption();
        platform::MsgBox(QStringLiteral("The shortcut ") + keys.toString(QKeySequence::NativeText) +
                             QStringLiteral(" is already taken by \"") + QString(caption).remove(QLatin1Char('&')) +
                             QStringLiteral("\".\r\nChoose another one, or first take it from that command."),
                         platform::vbExclamation, QStringLiteral("Korvo - Customize UI"));
        showSelected();
        return false;
    }
    edits_[key].shortcut = portable;
    refreshItem(key);
    return true;
}

void CustomizeDialog::setToolBarVisible(const QString& barKey, bool visible) {
    for (int i = 0; i < toolBars_->count(); ++i)
        if (toolBars_->item(i)->data(kKeyRole).toString() == barKey)
            toolBars_->item(i)->setCheckState(visible ? Qt::Checked : Qt::Unchecked);
}

void CustomizeDialog::apply() {
    for (auto it = edits_.cbegin(); it != edits_.cend(); ++it) {
        dock::Command* command = layer_.findCommand(it.key());
        if (!command)
            continue;
        if (command->caption() != it->caption)
            command->setCaption(it->caption);
        if (command->shortcut() != it->shortcut)
            command->setShortcut(it->shortcut);
    }
    for (int i = 0; i < toolBars_->count(); ++i)
        if (dock::CommandBar* bar = layer_.findBar(toolBars_->item(i)->data(kKeyRole).toString()))
            bar->setVisible(toolBars_->item(i)->checkState() == Qt::Checked);
}

void ShowCustomizeDialog(frmMain& main) {
    const dock::DockLayer::Customization customization(*main.DS);
    platform::PromptRequest request;
    request.kind = platform::PromptKind::ModalForm;
    request.title = QStringLiteral("Korvo - Customize UI");
    request.choices = {QStringLiteral("Cancel"), QStringLiteral("OK")};
    const platform::PromptAnswer answer = platform::ask(request);
    if (answer.button != -1)
        return;
    CustomizeDialog dialog(*main.DS, &main);
    if (dialog.exec() == QDialog::Accepted)
        dialog.apply();
}
