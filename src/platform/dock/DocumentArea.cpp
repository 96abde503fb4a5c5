#include "platform/dock/DocumentArea.h"

#include "platform/KorvoError.h"
#include "platform/dock/DockEvents.h"

#include <QContextMenuEvent>
#include <QTabBar>
#include <QUuid>

namespace dock {

DocumentArea::DocumentArea(QWidget* parent) : QTabWidget(parent) {
    setDocumentMode(true);
    setTabsClosable(true);
    setMovable(true);
    tabBar()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QTabWidget::currentChanged, this, &DocumentArea::tabChanged);
    connect(this, &QTabWidget::tabCloseRequested, this, [this](int index) {
        if (DocumentWindow* window = windowAt(index))
            setVisible(*window, false);
    });
    connect(this, &QTabWidget::tabBarDoubleClicked, this, [this](int index) {
        bool cancel = false;
        if (DocumentWindow* window = windowAt(index); window && events_)
            events_->DocumentWindowDblClick(*window, HitTab, cancel);
    });
    connect(tabBar(), &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        bool cancel = false;
        if (DocumentWindow* window = windowAt(tabBar()->tabAt(pos)); window && events_)
            events_->DocumentWindowContextClick(*window, HitTab, cancel);
    });
}

DocumentArea::~DocumentArea() {
    // Forms go with the area; none of them becomes active on the way.
    disconnect(this, &QTabWidget::currentChanged, this, &DocumentArea::tabChanged);
    events_ = nullptr;
}

DocumentWindow& DocumentArea::add(const QString& caption, QWidget* form, const QString& key) {
    auto* window = new DocumentWindow(QUuid::createUuid().toString(QUuid::WithBraces).toUpper(), key, caption, form, this);
    windows_.append(window);
    watchForm(form);
    window->visible_ = true;
    window->page_ = form ? form : new QWidget;
    setCurrentIndex(addTab(window->page_, caption));
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
    for (int i = 0; i < count(); ++i)
        if (DocumentWindow* window = windowAt(i))
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
    const int index = indexOf(window.page_);
    if (index >= 0)
        setCurrentIndex(index);
}

bool DocumentArea::setVisible(DocumentWindow& window, bool visible) {
    if (visible == window.visible())
        return true;
    QPointer<DocumentWindow> guard(&window);
    if (visible) {
        window.visible_ = true;
        if (!window.page_)
            window.page_ = new QWidget;
        setCurrentIndex(addTab(window.page_, window.caption()));
        return true;
    }
    bool cancel = false;
    if (events_)
        events_->DocumentWindowHiding(window, cancel);
    if (!guard || cancel || !guard->visible())
        return !guard || !guard->visible();
    window.visible_ = false;
    if (const int index = indexOf(window.page_); index >= 0)
        removeTab(index);
    if (window.page_)
        window.page_->hide();
    if (events_ && guard)
        events_->DocumentWindowClosed(window);
    return true;
}

void DocumentArea::setCaption(DocumentWindow& window, const QString& caption) {
    window.caption_ = caption;
    if (const int index = indexOf(window.page_); index >= 0)
        setTabText(index, caption);
}

void DocumentArea::setForm(DocumentWindow& window, QWidget* form) {
    if (window.form() == form)
        return;
    const int index = window.visible() ? indexOf(window.page_) : -1;
    QPointer<QWidget> blankPage = window.page_ != window.form() ? window.page_ : nullptr;
    window.form_ = form;
    watchForm(form);
    if (index < 0) {
        window.page_ = form;
        delete blankPage.data();
        return;
    }
    const bool wasCurrent = index == currentIndex();
    window.page_ = form ? form : new QWidget;
    // The swap must not raise activation: the window stays the active one.
    const QSignalBlocker blocker(this);
    removeTab(index);
    insertTab(index, window.page_, window.caption());
    if (wasCurrent)
        setCurrentIndex(index);
    delete blankPage.data();
}

void DocumentArea::remove(DocumentWindow& window) {
    if (window.visible()) {
        window.visible_ = false;
        if (const int index = indexOf(window.page_); index >= 0)
            removeTab(index);
    }
    if (window.page_ != window.form())
        delete window.page_.data();
    windows_.removeOne(&window);
    delete &window;
}

bool DocumentArea::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ContextMenu && events_) {
        if (DocumentWindow* window = windowOfWidget(watched)) {
            bool cancel = false;
            events_->DocumentWindowContextClick(*window, HitClient, cancel);
            if (cancel)
                return true;
        }
    }
    return QTabWidget::eventFilter(watched, event);
}

void DocumentArea::tabChanged(int index) {
    DocumentWindow* window = windowAt(index);
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

DocumentWindow* DocumentArea::windowAt(int index) const {
    QWidget* page = widget(index);
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

void DocumentArea::watchForm(QWidget* form) {
    if (!form)
        return;
    form->installEventFilter(this);
    for (QWidget* child : form->findChildren<QWidget*>())
        child->installEventFilter(this);
}

}
