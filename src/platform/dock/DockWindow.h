#pragma once

#include "platform/dock/LayoutData.h"

#include <QDockWidget>
#include <QHash>
#include <QIcon>
#include <QList>

// Dock windows: QDockWidgets named by their key, so the main window's saved
// state finds them again, each hosting one form.
namespace dock {

class DockWindow : public QDockWidget {
    Q_OBJECT
public:
    DockWindow(const QString& key, const QString& caption, QWidget* parent);

    QString key() const { return objectName(); }
    QString caption() const { return windowTitle(); }
    void setCaption(const QString& caption) { setWindowTitle(caption); }
    // Sets or clears (null) the hosted form; the form cleared stays alive.
    void setForm(QWidget* form);
    QWidget* form() const { return widget(); }
    DockArea area() const { return area_; }
    void setArea(DockArea area) { area_ = area; }

private:
    DockArea area_ = DockArea::Left;
};

}
