#include "platform/dock/DockWindow.h"

namespace dock {

DockWindow::DockWindow(const QString& key, const QString& caption, QWidget* parent) : QDockWidget(caption, parent) {
    setObjectName(key);
}

void DockWindow::setForm(QWidget* form) {
    QWidget* old = widget();
    if (old == form)
        return;
    if (old) {
        old->hide();
        old->setParent(parentWidget());
    }
    setWidget(form);
    if (form)
        form->show();
}

}
