#pragma once

#include "platform/dock/LayoutData.h"

#include <QAction>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <optional>

// One command of the docking layer, known by its exact key. Its one QAction
// is shared by every menu and tool bar that shows it. Popups keep their
// entries, lists their items, combos their items and text, panes their
// text, width, progress or hosted widget. Every change is announced, so
// the widgets that show the command follow it.
namespace dock {

class Command : public QObject {
    Q_OBJECT
public:
    Command(CommandData data, QObject* parent);

    const CommandData& data() const { return data_; }
    // Takes another layout's state for the same key; the QAction stays.
    void setData(CommandData data);

    CommandKind kind() const { return data_.kind; }
    QString key() const { return data_.key; }
    QString group() const { return data_.group; }
    QAction* action() const { return action_; }

    QString caption() const { return data_.caption; }
    void setCaption(const QString& caption);
    QString category() const { return data_.category; }
    void setCategory(const QString& category);
    bool enabled() const { return data_.enabled; }
    void setEnabled(bool enabled);
    int checked() const { return data_.checked; }
    void setChecked(int checked);
    bool visible() const { return data_.visible; }
    void setVisible(bool visible);
    QString picture() const { return data_.picture; }
    void setPicture(const QString& picture);
    // The first shortcut is the one menus show and the one that may repeat.
    QStringList shortcuts() const { return data_.shortcuts; }
    void setShortcuts(const QStringList& shortcuts);
    QString shortcut() const { return data_.shortcuts.value(0); }
    // Replaces the first shortcut; an empty one leaves the others.
    void setShortcut(const QString& shortcut);
    bool autoRepeat() const { return data_.autoRepeat; }
    void setAutoRepeat(bool autoRepeat);

    // Popup entries. Positions count from 1; 0 means not found.
    int controlCount() const { return int(data_.controls.size()); }
    const ControlData& control(int position);
    int findControl(const QString& key) const;
    // Inserts before position, or appends when position is 0 or past the end.
    void addControl(const QString& key, int position = 0, bool groupStart = false);
    void setGroupStart(int position, bool groupStart);
    void deleteControl(int position);

    // List and combo items.
    const QList<ListItemData>& items() const { return data_.items; }
    void clearItems();
    // Appends; a list at its maximum takes no more.
    void addItem(const QString& caption, const QString& key);
    void setItems(QList<ListItemData> items);
    int maxItems() const { return data_.maxItems; }
    void setMaxItems(int maxItems);
    // The entry of the click being handled, or none.
    std::optional<ListItemData> clickedItem() const { return clicked_; }
    void setClickedItem(std::optional<ListItemData> item) { clicked_ = std::move(item); }

    // Combo and pane text.
    QString text() const { return data_.text; }
    void setText(const QString& text);
    bool editable() const { return data_.editable; }

    // Panes.
    int width() const { return data_.width; }
    void setWidth(int twips);
    bool stretch() const { return data_.stretch; }
    int progressValue() const { return progressValue_; }
    int progressMaximum() const { return progressMaximum_; }
    void setProgress(int value, int maximum);
    QWidget* hostedWidget() const { return hosted_; }
    void setHostedWidget(QWidget* widget);

signals:
    // Caption, state, text, items or width changed.
    void changed();
    // Entries of a popup changed.
    void entriesChanged();

private:
    void updateAction();
    void announce();

    CommandData data_;
    QAction* action_;
    std::optional<ListItemData> clicked_;
    int progressValue_ = 0;
    int progressMaximum_ = 100;
    QPointer<QWidget> hosted_;
};

}
