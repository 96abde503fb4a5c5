#pragma once

#include "platform/dock/LayoutData.h"

#include <QObject>

// A command bar, keyed apart from the commands: the menu bar ("MainMenu"),
// a tool bar, or the status bar. Its entries name commands.
namespace dock {

class CommandBar : public QObject {
    Q_OBJECT
public:
    CommandBar(BarData data, QObject* parent);

    const BarData& data() const { return data_; }
    void setData(BarData data);

    QString key() const { return data_.key; }
    BarKind kind() const { return data_.kind; }
    QString caption() const { return data_.caption; }
    bool visible() const { return data_.visible; }
    void setVisible(bool visible);

    // Positions count from 1; 0 means not found.
    int controlCount() const { return int(data_.controls.size()); }
    int findControl(const QString& key) const;
    void addControl(const QString& key, int position = 0, bool groupStart = false);
    void deleteControl(int position);

signals:
    void entriesChanged();
    void visibilityChanged(bool visible);

private:
    BarData data_;
};

}
