#include "shell/DockPlaceholders.h"

#include "build/frmOutput.h"

QWidget* CreateDockPlaceholder(const QString& caption, QWidget* parent) {
    if (caption == QLatin1String("Output window")) {
        frmOutput& output = OutputWindow();
        output.setParent(parent);
        return &output;
    }
    auto* form = new QWidget(parent);
    form->setWindowTitle(caption);
    form->setMinimumSize(160, 100);
    return form;
}
