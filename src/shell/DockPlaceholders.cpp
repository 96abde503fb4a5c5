#include "shell/DockPlaceholders.h"

#include "files/explorer/frmExplorer.h"

QWidget* CreateDockPlaceholder(const QString& caption, QWidget* parent) {
    if (caption == QLatin1String("File Explorer"))
        return new frmExplorer(parent);
    auto* form = new QWidget(parent);
    form->setWindowTitle(caption);
    form->setMinimumSize(160, 100);
    return form;
}
