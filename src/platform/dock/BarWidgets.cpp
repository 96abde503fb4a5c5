#include "platform/dock/BarWidgets.h"

#include "platform/dock/DockEvents.h"
#include "platform/dock/DockLayer.h"
#include "platform/dock/ToolBarOverflow.h"

#include <QComboBox>
#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QStatusBar>
#include <QTime>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <memory>

namespace dock {
namespace {

// Pane widths are twips, 15 to the pixel at 96 dots per inch.
int pixelsWide(const QWidget* widget, int twips) {
    return qRound(double(twips) / qMax(1, qRound(1440.0 / widget->logicalDpiX())));
}

}

BarWidgets::BarWidgets(DockLayer& layer) : layer_(layer) {}

void BarWidgets::rebuildAll() {
    for (const CommandBar* bar : layer_.bars())
        rebuild(*bar);
}

void BarWidgets::rebuild(const CommandBar& bar) {
    switch (bar.kind()) {
    case BarKind::MenuBar: rebuildMenuBar(bar); break;
    case BarKind::ToolBar: rebuildToolBar(bar); break;
    case BarKind::StatusBar: rebuildStatusBar(bar); break;
    }
}

void BarWidgets::forget(const QString& barKey) {
    for (const QPointer<QWidget>& widget : toolWidgets_.take(barKey))
        delete widget.data();
    delete toolBars_.take(barKey);
}

void BarWidgets::fillMenu(QMenu& menu, const Command& popup) {
    menu.clear();
    for (const ControlData& entry : popup.data().controls) {
        Command* command = layer_.findCommand(entry.key);
        if (!command)
            continue;
        if (entry.groupStart && !menu.isEmpty())
            menu.addSeparator();
        addToMenu(menu, *command);
    }
}

void BarWidgets::addToMenu(QMenu& menu, Command& command) {
    switch (command.kind()) {
    case CommandKind::Popup:
        layer_.popupMenu(command.key());
        menu.addAction(command.action());
        break;
    case CommandKind::List:
    case CommandKind::WindowList: {
        QList<ListItemData> entries = command.items();
        if (command.kind() == CommandKind::WindowList) {
            entries.clear();
            for (const DocumentWindow* window : layer_.documents().windows())
                if (window->visible())
                    entries.append({window->caption(), window->key()});
        }
        for (const ListItemData& entry : entries) {
            QAction* action = menu.addAction(entry.caption);
            QPointer<Command> guard(&command);
            QObject::connect(action, &QAction::triggered, &menu, [this, guard, entry] {
                if (guard)
                    layer_.click(*guard, entry);
            });
        }
        break;
    }
    case CommandKind::Plain:
    case CommandKind::Combo:
        menu.addAction(command.action());
        break;
    default:
        break;
    }
}

void BarWidgets::rebuildMenuBar(const CommandBar& bar) {
    QMenuBar* menuBar = layer_.window().menuBar();
    menuBar->clear();
    for (const ControlData& entry : bar.data().controls) {
        Command* command = layer_.findCommand(entry.key);
        if (!command)
            continue;
        if (command->kind() == CommandKind::Popup)
            layer_.popupMenu(command->key());
        menuBar->addAction(command->action());
    }
    menuBar->setVisible(bar.visible());
}

void BarWidgets::rebuildToolBar(const CommandBar& bar) {
    QToolBar*& toolBar = toolBars_[bar.key()];
    if (!toolBar) {
        toolBar = new QToolBar(bar.caption(), &layer_.window());
        toolBar->setObjectName(bar.key());
        layer_.window().addToolBar(toolBar);
        FoldOverflowAfterUse(toolBar);
    }
    toolBar->setWindowTitle(bar.caption());
    toolBar->clear();
    // A tool bar lets go of its widgets rather than delete them.
    for (const QPointer<QWidget>& widget : toolWidgets_.take(bar.key()))
        delete widget.data();
    for (const ControlData& entry : bar.data().controls) {
        Command* command = layer_.findCommand(entry.key);
        if (!command)
            continue;
        if (entry.groupStart && !toolBar->actions().isEmpty())
            toolBar->addSeparator();
        if (command->kind() == CommandKind::Combo) {
            QWidget* combo = comboWidget(*command, toolBar);
            toolWidgets_[bar.key()].append(combo);
            toolBar->addWidget(combo);
            continue;
        }
        if (command->kind() == CommandKind::Popup)
            layer_.popupMenu(command->key());
        toolBar->addAction(command->action());
        if (command->kind() == CommandKind::Popup)
            if (auto* button = qobject_cast<QToolButton*>(toolBar->widgetForAction(command->action())))
                button->setPopupMode(QToolButton::InstantPopup);
    }
    toolBar->setVisible(bar.visible());
}

void BarWidgets::rebuildStatusBar(const CommandBar& bar) {
    QStatusBar* statusBar = layer_.window().statusBar();
    // Hosted widgets belong to their owners: they leave before the panes go.
    for (const Command* command : layer_.commands())
        if (QWidget* hosted = command->hostedWidget(); hosted && hosted->parentWidget() != &layer_.window()) {
            hosted->hide();
            hosted->setParent(&layer_.window());
        }
    for (const QPointer<QWidget>& widget : std::as_const(statusWidgets_))
        delete widget.data();
    statusWidgets_.clear();
    for (const ControlData& entry : bar.data().controls) {
        Command* command = layer_.findCommand(entry.key);
        if (!command)
            continue;
        QWidget* pane = command->kind() == CommandKind::Combo ? comboWidget(*command, statusBar)
                                                               : paneWidget(*command, statusBar);
        statusBar->addPermanentWidget(pane, command->stretch() ? 1 : 0);
        statusWidgets_.append(pane);
    }
    statusBar->setVisible(bar.visible());
}

QWidget* BarWidgets::comboWidget(Command& command, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(command.key());
    combo->setEditable(command.editable());
    // Enter confirms typed text (ComboTextEntered); only a chosen item is a click.
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setMinimumContentsLength(command.editable() ? 24 : 12);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    auto show = [combo, &command] {
        const QSignalBlocker blocker(combo);
        combo->clear();
        for (const ListItemData& item : command.items())
            combo->addItem(item.caption, item.key);
        combo->setCurrentIndex(combo->findText(command.text()));
        if (combo->isEditable() || combo->currentIndex() < 0)
            combo->setEditText(command.text());
        if (!combo->isEditable() && combo->currentIndex() < 0 && !command.text().isEmpty()) {
            combo->addItem(command.text());
            combo->setCurrentIndex(combo->count() - 1);
        }
        combo->setEnabled(command.enabled());
    };
    show();
    QObject::connect(&command, &Command::changed, combo, show);
    QPointer<Command> guard(&command);
    QObject::connect(combo, &QComboBox::activated, combo, [this, guard, combo](int index) {
        if (!guard)
            return;
        guard->setText(combo->itemText(index));
        layer_.click(*guard);
    });
    if (QLineEdit* edit = combo->lineEdit())
        QObject::connect(edit, &QLineEdit::returnPressed, combo, [this, guard, edit] {
            if (!guard)
                return;
            guard->setText(edit->text());
            layer_.comboTextEntered(*guard);
        });
    return combo;
}

QWidget* BarWidgets::paneWidget(Command& command, QWidget* parent) {
    QWidget* pane = nullptr;
    std::function<void()> show;
    switch (command.kind()) {
    case CommandKind::ProgressPane: {
        auto* progress = new QProgressBar(parent);
        progress->setTextVisible(false);
        show = [progress, &command] {
            progress->setRange(0, command.progressMaximum());
            progress->setValue(command.progressValue());
        };
        pane = progress;
        break;
    }
    case CommandKind::TextPane: {
        pane = new QWidget(parent);
        auto* layout = new QHBoxLayout(pane);
        layout->setContentsMargins(0, 0, 0, 0);
        show = [pane, layout, &command] {
            QWidget* hosted = command.hostedWidget();
            if (hosted && hosted->parentWidget() != pane) {
                layout->addWidget(hosted);
                hosted->show();
            }
        };
        break;
    }
    case CommandKind::ClockPane: {
        auto* label = new QLabel(parent);
        auto* ticks = new QTimer(label);
        const auto showTime = [label] { label->setText(QTime::currentTime().toString(QStringLiteral("HH:mm"))); };
        QObject::connect(ticks, &QTimer::timeout, label, showTime);
        ticks->start(1000);
        show = showTime;
        pane = label;
        break;
    }
    default: {
        auto* label = new QLabel(parent);
        show = [label, &command] { label->setText(command.text()); };
        pane = label;
        break;
    }
    }
    pane->setObjectName(command.key());
    const bool textOnly = command.kind() == CommandKind::Pane;
    // The advance of the widest line of text the pane was sized for, and the pane's size and font then.
    struct Sized {
        qreal advance = -1;
        QSize size;
        QFont font;
    };
    auto sized = std::make_shared<Sized>();
    auto update = [pane, show, textOnly, &command, sized] {
        show();
        if (command.width() > 0 && !command.stretch()) {
            if (textOnly) {
                // As wide as its widest text so far, and of a fixed size, a pane never asks the window for a
                // new layout when its text changes (the caret's pane changes with every key). A line of text
                // no wider than one the pane was sized for keeps the size without being laid out again.
                const QString& text = command.text();
                const bool oneLine = !text.contains(QLatin1Char('\n'));
                const qreal advance = oneLine ? QFontMetricsF(pane->fontMetrics()).horizontalAdvance(text) : 0;
                const bool fits = oneLine && advance <= sized->advance && pane->font() == sized->font &&
                                  pane->minimumSize() == sized->size && pane->maximumSize() == sized->size &&
                                  sized->size.width() >= pixelsWide(pane, command.width());
                if (!fits) {
                    const QSize hint = pane->sizeHint();
                    pane->setFixedSize(std::max({pixelsWide(pane, command.width()), hint.width(), pane->minimumWidth()}),
                                       hint.height());
                    // Trailing blanks count in the advance but not in the width the text is given.
                    const bool measured = oneLine && !text.isEmpty() && !text.back().isSpace();
                    if (pane->font() != sized->font)
                        sized->advance = -1;
                    if (measured)
                        sized->advance = std::max(sized->advance, advance);
                    sized->size = pane->minimumSize();
                    sized->font = pane->font();
                }
            } else {
                pane->setFixedWidth(pixelsWide(pane, command.width()));
            }
        }
        pane->setVisible(command.visible());
    };
    update();
    QObject::connect(&command, &Command::changed, pane, update);
    return pane;
}

}
