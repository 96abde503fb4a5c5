#include "platform/dock/ToolBarOverflow.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QToolBar>
#include <QToolButton>

namespace {

class OverflowFolder : public QObject {
public:
    OverflowFolder(QToolBar* toolBar, QToolButton* extension) : QObject(toolBar), toolBar_(toolBar), extension_(extension) {
        connect(toolBar, &QToolBar::actionTriggered, this, &OverflowFolder::fold);
        // Watching every press only while the bar is grown keeps the cost off the rest of the time.
        connect(extension, &QToolButton::toggled, this, [this](bool grown) {
            if (grown)
                qApp->installEventFilter(this);
            else
                qApp->removeEventFilter(this);
        });
    }

    ~OverflowFolder() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // A press reaches the filter again at each parent it propagates to, so its place decides, not its receiver.
        if (event->type() == QEvent::MouseButtonPress && watched->isWidgetType() && !QApplication::activePopupWidget()) {
            const QPoint at = toolBar_->mapFromGlobal(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
            if (!toolBar_->rect().contains(at))
                fold();
        }
        return false;
    }

private:
    void fold() {
        if (extension_ && extension_->isChecked())
            extension_->click();
    }

    QToolBar* toolBar_;
    QPointer<QToolButton> extension_;
};

}

void FoldOverflowAfterUse(QToolBar* toolBar) {
    if (auto* extension = toolBar->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button"), Qt::FindDirectChildrenOnly))
        new OverflowFolder(toolBar, extension);
}
