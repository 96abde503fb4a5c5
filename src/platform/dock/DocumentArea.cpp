#include "platform/dock/DocumentArea.h"

#include "platform/KorvoError.h"
#include "platform/dock/DockEvents.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QScopedValueRollback>
#include <QSplitter>
#include <QTabBar>
#include <QUuid>
#include <QVBoxLayout>

namespace dock {

DocumentArea::DocumentArea(QWidget* parent) : QWidget(parent), root_(new QSplitter(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(root_);
    QTabWidget* first = newGroup();
    root_->addWidget(first);
    groups_.append(first);
    focused_ = first;
}

DocumentArea::~DocumentArea() {
    // Forms go with the area; none of them becomes active on the way.
    rearranging_ = true;
    events_ = nullptr;
    delete root_;
}

QTabWidget* DocumentArea::newGroup() {
    auto* group = new QTabWidget;
    group->setDocumentMode(true);
    group->setTabsClosable(true);
    group->setMovable(true);
    QTabBar* bar = group->tabBar();
    bar->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(group, &QTabWidget::currentChanged, this, [this, group] {
        if (group == focused_)
            updateActive();
    });
    connect(group, &QTabWidget::tabBarClicked, this, [this, group](int index) {
        // A click on the current tab changes no tab, yet moves the focus.
        if (index >= 0 && index == group->currentIndex()) {
            focusGroup(group);
            return;
        }
        focused_ = group;
        // Hiding the page that held the focus passes it down the focus chain, maybe into another group,
        // before the new page takes it; the tab bar's own change that follows changes nothing.
        if (index >= 0) {
            switchingTab_ = true;
            group->setCurrentIndex(index);
            switchingTab_ = false;
        }
    });
    connect(group, &QTabWidget::tabCloseRequested, this, [this, group](int index) {
        if (DocumentWindow* window = windowAt(group, index))
            setVisible(*window, false);
    });
    connect(group, &QTabWidget::tabBarDoubleClicked, this, [this, group](int index) {
        bool cancel = false;
        if (DocumentWindow* window = windowAt(group, index); window && events_)
            events_->DocumentWindowDblClick(*window, HitTab, cancel);
    });
    connect(bar, &QWidget::customContextMenuRequested, this, [this, group, bar](const QPoint& pos) {
        bool cancel = false;
        if (DocumentWindow* window = windowAt(group, bar->tabAt(pos)); window && events_)
            events_->DocumentWindowContextClick(*window, HitTab, cancel);
    });
    return group;
}

DocumentWindow& DocumentArea::add(const QString& caption, QWidget* form, const QString& key) {
    auto* window = new DocumentWindow(QUuid::createUuid().toString(QUuid::WithBraces).toUpper(), key, caption, form, this);
    windows_.append(window);
    watchForm(form);
    window->page_ = form;
    showInFocusedGroup(*window);
    return *window;
}

DocumentWindow* DocumentArea::find(const QString& keyOrId) const {
    for (DocumentWindow* window : windows_)
        if (window->key() == keyOrId)
            return window;
    for (DocumentWindow* window : windows_)
        if (window->id() == keyOrId)
            return window;
    return nullptr;
}

DocumentWindow& DocumentArea::item(const QString& keyOrId) const {
    DocumentWindow* window = find(keyOrId);
    if (!window)
        RaiseError(50000, QStringLiteral("No document window '%1'").arg(keyOrId));
    return *window;
}

QList<DocumentWindow*> DocumentArea::windows() const {
    QList<DocumentWindow*> ordered;
    for (const QTabWidget* group : groups_)
        for (int i = 0; i < group->count(); ++i)
            if (DocumentWindow* window = windowAt(group, i))
                ordered.append(window);
    for (DocumentWindow* window : windows_)
        if (!window->visible())
            ordered.append(window);
    return ordered;
}

QList<QPointer<DocumentWindow>> DocumentArea::guardedWindows() const {
    QList<QPointer<DocumentWindow>> guarded;
    for (DocumentWindow* window : windows())
        guarded.append(window);
    return guarded;
}

QWidget* DocumentArea::currentWidget() const {
    return active_ ? active_->page_.data() : nullptr;
}

DocumentWindow* DocumentArea::next(const DocumentWindow& window) const {
    const QList<DocumentWindow*> ordered = windows();
    const qsizetype at = ordered.indexOf(&window);
    return at >= 0 && at + 1 < ordered.size() ? ordered[at + 1] : nullptr;
}

DocumentWindow* DocumentArea::previous(const DocumentWindow& window) const {
    const QList<DocumentWindow*> ordered = windows();
    const qsizetype at = ordered.indexOf(&window);
    return at > 0 ? ordered[at - 1] : nullptr;
}

void DocumentArea::activate(DocumentWindow& window) {
    if (!window.visible())
        setVisible(window, true);
    QTabWidget* group = groupOf(window);
    if (!group)
        return;
    focused_ = group;
    group->setCurrentIndex(group->indexOf(window.page_));
    updateActive();
}

bool DocumentArea::setVisible(DocumentWindow& window, bool visible) {
    if (visible == window.visible())
        return true;
    QPointer<DocumentWindow> guard(&window);
    if (visible) {
        showInFocusedGroup(window);
        return true;
    }
    bool cancel = false;
    if (events_)
        events_->DocumentWindowHiding(window, cancel);
    if (!guard || cancel || !guard->visible())
        return !guard || !guard->visible();
    takeOut(window);
    if (events_ && guard)
        events_->DocumentWindowClosed(window);
    return true;
}

void DocumentArea::setCaption(DocumentWindow& window, const QString& caption) {
    window.caption_ = caption;
    if (QTabWidget* group = groupOf(window))
        group->setTabText(group->indexOf(window.page_), caption);
}

void DocumentArea::setForm(DocumentWindow& window, QWidget* form) {
    if (window.form() == form)
        return;
    QTabWidget* group = groupOf(window);
    QPointer<QWidget> blankPage = window.page_ != window.form() ? window.page_ : nullptr;
    window.form_ = form;
    watchForm(form);
    if (!group) {
        window.page_ = form;
        delete blankPage.data();
        return;
    }
    const int index = group->indexOf(window.page_);
    const bool wasCurrent = index == group->currentIndex();
    window.page_ = form ? form : new QWidget;
    // The swap must not raise activation: the window stays the active one.
    const QSignalBlocker blocker(group);
    group->removeTab(index);
    group->insertTab(index, window.page_, window.caption());
    if (wasCurrent)
        group->setCurrentIndex(index);
    delete blankPage.data();
}

void DocumentArea::remove(DocumentWindow& window) {
    if (window.visible())
        takeOut(window);
    if (window.page_ != window.form())
        delete window.page_.data();
    windows_.removeOne(&window);
    delete &window;
}

void DocumentArea::splitOff(DocumentWindow& window, TabGroupSide side) {
    QTabWidget* from = groupOf(window);
    if (!from || from->count() < 2)
        return;
    // Taking the page out of its group takes the keyboard focus from it.
    QPointer<QWidget> focus = QApplication::focusWidget();
    if (focus && !window.page_->isAncestorOf(focus))
        focus = nullptr;
    QTabWidget* to = newGroup();
    {
        const QScopedValueRollback hold(rearranging_, true);
        placeAfter(to, from, side == TabGroupSide::Below ? Qt::Vertical : Qt::Horizontal);
        groups_.insert(groups_.indexOf(from) + 1, to);
        from->removeTab(from->indexOf(window.page_));
        to->addTab(window.page_, window.caption());
    }
    focused_ = to;
    updateActive();
    if (focus)
        focus->setFocus(Qt::OtherFocusReason);
}

int DocumentArea::groupIndexOf(const DocumentWindow& window) const {
    return int(groups_.indexOf(groupOf(window)));
}

bool DocumentArea::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ContextMenu && events_ && !insideNestedArea(watched)) {
        if (DocumentWindow* window = windowOfWidget(watched)) {
            bool cancel = false;
            events_->DocumentWindowContextClick(*window, HitClient, cancel);
            if (cancel)
                return true;
        }
    } else if (event->type() == QEvent::FocusIn && !switchingTab_) {
        if (DocumentWindow* window = windowOfWidget(watched))
            if (QTabWidget* group = groupOf(*window); group && group != focused_)
                focusGroup(group);
    }
    return QWidget::eventFilter(watched, event);
}

void DocumentArea::placeAfter(QTabWidget* group, QTabWidget* beside, Qt::Orientation orientation) {
    auto* splitter = qobject_cast<QSplitter*>(beside->parentWidget());
    const int at = splitter->indexOf(beside);
    if (splitter->count() == 1)
        splitter->setOrientation(orientation);
    if (splitter->orientation() == orientation) {
        // The new group takes half of the space its neighbour had.
        QList<int> sizes = splitter->sizes();
        const int half = sizes.value(at) / 2;
        splitter->insertWidget(at + 1, group);
        if (at < sizes.size()) {
            sizes[at] -= half;
            sizes.insert(at + 1, half);
            splitter->setSizes(sizes);
        }
        return;
    }
    // The new splitter takes its neighbour's place and size, which the two share.
    const QList<int> sizes = splitter->sizes();
    const int extent = orientation == Qt::Vertical ? beside->height() : beside->width();
    auto* inner = new QSplitter(orientation);
    splitter->insertWidget(at, inner);
    inner->addWidget(beside);
    inner->addWidget(group);
    splitter->setSizes(sizes);
    inner->setSizes({qMax(extent / 2, 1), qMax(extent - extent / 2, 1)});
}

void DocumentArea::dropIfEmpty(QTabWidget* group) {
    if (group->count() > 0 || groups_.size() < 2)
        return;
    const qsizetype at = groups_.indexOf(group);
    groups_.removeAt(at);
    if (focused_ == group)
        focused_ = groups_[qMax<qsizetype>(at - 1, 0)];
    // The group may be inside one of its own signals: unhook it now, delete it later.
    auto* splitter = qobject_cast<QSplitter*>(group->parentWidget());
    group->hide();
    group->setParent(nullptr);
    group->deleteLater();
    if (splitter && splitter != root_ && splitter->count() == 0) {
        splitter->setParent(nullptr);
        splitter->deleteLater();
    }
}

void DocumentArea::showInFocusedGroup(DocumentWindow& window) {
    window.visible_ = true;
    if (!window.page_)
        window.page_ = new QWidget;
    QTabWidget* group = focused_ ? focused_.data() : groups_.first();
    focused_ = group;
    group->setCurrentIndex(group->addTab(window.page_, window.caption()));
    updateActive();
}

void DocumentArea::takeOut(DocumentWindow& window) {
    QTabWidget* group = groupOf(window);
    window.visible_ = false;
    if (!group)
        return;
    {
        const QScopedValueRollback hold(rearranging_, true);
        group->removeTab(group->indexOf(window.page_));
        if (window.page_) {
            // Hidden pages stay with the area, not with a group that may go.
            window.page_->hide();
            window.page_->setParent(this);
        }
        dropIfEmpty(group);
    }
    updateActive();
}

void DocumentArea::focusGroup(QTabWidget* group) {
    focused_ = group;
    updateActive();
}

void DocumentArea::updateActive() {
    if (rearranging_)
        return;
    DocumentWindow* window = focused_ ? windowAt(focused_, focused_->currentIndex()) : nullptr;
    if (window == active_)
        return;
    QPointer<DocumentWindow> leaving = active_;
    active_ = window;
    if (!events_)
        return;
    if (leaving)
        events_->DocumentWindowDeactivate(*leaving);
    if (window && window == active_)
        events_->DocumentWindowActivate(*window);
    else if (!window)
        events_->NoActiveDocument();
}

QTabWidget* DocumentArea::groupOf(const DocumentWindow& window) const {
    if (!window.visible() || !window.page_)
        return nullptr;
    for (QTabWidget* group : groups_)
        if (group->indexOf(window.page_) >= 0)
            return group;
    return nullptr;
}

DocumentWindow* DocumentArea::windowAt(const QTabWidget* group, int index) const {
    QWidget* page = group->widget(index);
    if (!page)
        return nullptr;
    for (DocumentWindow* window : windows_)
        if (window->visible() && window->page_ == page)
            return window;
    return nullptr;
}

DocumentWindow* DocumentArea::windowOfWidget(QObject* object) const {
    for (; object; object = object->parent())
        for (DocumentWindow* window : windows_)
            if (window->form() == object)
                return window;
    return nullptr;
}

bool DocumentArea::insideNestedArea(const QObject* object) const {
    for (; object && object != this; object = object->parent())
        if (qobject_cast<const DocumentArea*>(object))
            return true;
    return false;
}

void DocumentArea::watchForm(QWidget* form) {
    if (!form)
        return;
    form->installEventFilter(this);
    for (QWidget* child : form->findChildren<QWidget*>())
        child->installEventFilter(this);
}

}
