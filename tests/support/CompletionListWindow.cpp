#include "support/CompletionListWindow.h"

#include <QApplication>
#include <QListWidget>

QListWidget* ShownCompletionList() {
    QListWidget* shown = nullptr;
    for (QWidget* widget : QApplication::allWidgets())
        if (auto* list = qobject_cast<QListWidget*>(widget); list && list->isVisible() && list->count() > 0) {
            if (shown)
                return nullptr;
            shown = list;
        }
    return shown;
}
