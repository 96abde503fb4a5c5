#pragma once

#include <QDialog>
#include <QHash>

class QKeySequenceEdit;
class QLineEdit;
class QListWidget;
class QTreeWidget;
class QTreeWidgetItem;
class frmMain;

namespace dock {
class DockLayer;
}

// "Customize UI": the commands of the main window by group, each with its
// caption and first shortcut, and the tool bars to show. Nothing changes
// until OK; the layout saved at shutdown keeps the changes.
class CustomizeDialog : public QDialog {
    Q_OBJECT
public:
    CustomizeDialog(dock::DockLayer& layer, QWidget* parent = nullptr);

    // The edits made so far go to the commands and bars.
    void apply();

    // For tests: choose a command and edit it as the controls would.
    bool selectCommand(const QString& key);
    void setCaption(const QString& caption);
    // False, and nothing changed, when another command holds the keys (the
    // user is told which).
    bool setShortcut(const QKeySequence& keys);
    void setToolBarVisible(const QString& barKey, bool visible);

private:
    struct Edit {
        QString caption;
        QString shortcut;
    };

    void fillCommands();
    void fillToolBars();
    void showSelected();
    QString selectedKey() const;
    void refreshItem(const QString& key);
    QString holderOf(const QString& portable, const QString& except) const;

    dock::DockLayer& layer_;
    QTreeWidget* commands_;
    QLineEdit* caption_;
    QKeySequenceEdit* shortcut_;
    QListWidget* toolBars_;
    QHash<QString, Edit> edits_;
    QHash<QString, QTreeWidgetItem*> items_;
};

// Shows the dialog modally (through the prompt seam), inside the layer's
// customisation pair.
void ShowCustomizeDialog(frmMain& main);
