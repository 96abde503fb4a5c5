#include "shell/DockPlaceholders.h"

QWidget* CreateDockPlaceholder(const QString& caption, QWidget* parent) {
    auto* form = new QWidget(parent);
    form->setWindowTitle(caption);
    form->setMinimumSize(160, 100);
    return form;
}
