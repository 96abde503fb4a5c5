#include "platform/browser/WebBrowser.h"

#include "platform/ShellOpen.h"
#include "platform/browser/Address.h"
#include "platform/browser/FrameView.h"
#include "platform/browser/FramesetSplitter.h"
#include "platform/browser/PageSource.h"

#include <QVBoxLayout>

namespace browser {

WebBrowser::WebBrowser(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    content_ = newView(QString(), this);
    layout->addWidget(content_);
}

QString WebBrowser::locationURL() const {
    return top_;
}

QList<QPair<QString, QString>> WebBrowser::frames() const {
    QList<QPair<QString, QString>> shown;
    if (views_.size() < 2 && views_.value(0) && views_.value(0)->frameName().isEmpty())
        return shown;
    for (const QPointer<FrameView>& view : views_)
        if (view)
            shown.append({view->frameName(), view->address()});
    return shown;
}

FrameView* WebBrowser::frameView(const QString& name) const {
    for (const QPointer<FrameView>& view : views_)
        if (view && view->frameName() == name)
            return view;
    return nullptr;
}

void WebBrowser::focusPage() {
    for (const QPointer<FrameView>& view : views_)
        if (view) {
            view->setFocus();
            return;
        }
}

void WebBrowser::navigate(const QString& address) {
    const QString target = normalizedAddress(address);
    if (target.isEmpty() || !allowed(target))
        return;
    startLoad();
    showTop(target, {});
    record();
    finishLoad(topAndFrames());
}

bool WebBrowser::allowed(const QString& address) {
    bool cancel = false;
    emit beforeNavigate(address, cancel);
    if (cancel)
        return false;
    if (isDesktopAddress(address)) {
        platform::shellExecute({address, QStringLiteral("open"), QString(), QString(), 1});
        return false;
    }
    return true;
}

FrameView* WebBrowser::newView(const QString& name, QWidget* parent) {
    auto* view = new FrameView(name, parent);
    views_.append(view);
    connect(view, &FrameView::linkClicked, this,
            [this, view](const QString& address, const QString& target) { followLink(*view, address, target); });
    connect(view, &FrameView::linkHovered, this, &WebBrowser::statusTextChange);
    return view;
}

void WebBrowser::startLoad() {
    readyState_ = ReadyLoading;
    emit progressChange(0, 100);
}

void WebBrowser::finishLoad(const QStringList& loaded) {
    readyState_ = ReadyComplete;
    announceCommandState();
    for (const QString& address : loaded)
        emit navigateComplete(address);
    endLoad();
}

void WebBrowser::endLoad() {
    readyState_ = ReadyComplete;
    // As a browser does once a page is in: no load is under way.
    emit progressChange(0, 0);
}

QStringList WebBrowser::topAndFrames() const {
    QStringList addresses{top_};
    for (const auto& [name, address] : frames())
        addresses.append(address);
    return addresses;
}

void WebBrowser::showTop(const QString& address, const QList<QPair<QString, QString>>& frameAddresses) {
    const PageSource page = loadPage(withoutFragment(address));
    top_ = address;
    locationName_ = pageName(page, withoutFragment(address));
    views_.clear();
    QWidget* content = nullptr;
    if (page.isFrameset) {
        content = buildFrameset(page.frameset, withoutFragment(address), frameAddresses, this);
    } else {
        FrameView* view = newView(QString(), this);
        view->showPage(address, page);
        content = view;
    }
    delete layout()->replaceWidget(content_, content);
    // The old view may be the one whose link click got us here.
    content_->hide();
    content_->deleteLater();
    content_ = content;
}

QWidget* WebBrowser::buildFrameset(const FrameNode& node, const QString& topPath,
                                   const QList<QPair<QString, QString>>& frameAddresses, QWidget* parent) {
    auto* splitter = new FramesetSplitter(node.columns ? Qt::Horizontal : Qt::Vertical, node.sizes, parent);
    for (const FrameNode& child : node.children) {
        if (child.isFrameset) {
            splitter->addWidget(buildFrameset(child, topPath, frameAddresses, splitter));
            continue;
        }
        // Frames are known by their place in the page, named or not.
        const qsizetype place = views_.size();
        QString address = resolveLink(topPath, child.src);
        if (place < frameAddresses.size() && frameAddresses[place].first == child.name)
            address = frameAddresses[place].second;
        FrameView* view = newView(child.name, splitter);
        if (!child.scrolls) {
            view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        }
        splitter->addWidget(view);
        view->showPage(address, loadPage(withoutFragment(address)));
    }
    return splitter;
}

void WebBrowser::followLink(FrameView& from, const QString& address, const QString& target) {
    if (address.isEmpty())
        return;
    if (isDesktopAddress(address)) {
        allowed(address);
        return;
    }
    if (target.compare(QLatin1String("_blank"), Qt::CaseInsensitive) == 0) {
        emit newWindow(address);
        return;
    }
    const bool toTop = target.compare(QLatin1String("_top"), Qt::CaseInsensitive) == 0;
    FrameView* view = target.isEmpty() || toTop ? nullptr : frameView(target);
    if (!view && !toTop)
        view = &from;
    if (view && withoutFragment(address) == withoutFragment(view->address()) && !fragmentOf(address).isEmpty()) {
        // A jump inside the page is a step of the history too.
        view->scrollTo(address);
        if (view == content_)
            top_ = address;
        record();
        announceCommandState();
        return;
    }
    // A link on a page without frames loads a new top page, whatever its target.
    if (toTop || &from == content_) {
        navigate(address);
        return;
    }
    if (!allowed(address))
        return;
    startLoad();
    view->showPage(address, loadPage(withoutFragment(address)));
    record();
    finishLoad({address});
}

void WebBrowser::goBack() {
    if (canGoBack())
        goTo(at_ - 1);
}

void WebBrowser::goForward() {
    if (canGoForward())
        goTo(at_ + 1);
}

void WebBrowser::goTo(int index) {
    const Entry entry = history_[index];
    if (entry.top != top_) {
        if (!allowed(entry.top))
            return;
        startLoad();
        showTop(entry.top, entry.frames);
        at_ = index;
        finishLoad(topAndFrames());
        return;
    }
    QList<QPair<FrameView*, QString>> changed;
    for (qsizetype place = 0; place < entry.frames.size() && place < views_.size(); ++place) {
        FrameView* view = views_[place];
        const auto& [name, address] = entry.frames[place];
        if (!view || view->frameName() != name || view->address() == address)
            continue;
        if (!allowed(address))
            return;
        changed.append({view, address});
    }
    startLoad();
    QStringList loaded;
    for (const auto& [view, address] : changed) {
        view->showPage(address, loadPage(withoutFragment(address)));
        loaded.append(address);
    }
    at_ = index;
    finishLoad(loaded);
}

void WebBrowser::refresh() {
    if (top_.isEmpty())
        return;
    startLoad();
    showTop(top_, frames());
    endLoad();
}

void WebBrowser::record() {
    history_.erase(history_.begin() + (at_ + 1), history_.end());
    history_.append({top_, frames()});
    at_ = int(history_.size()) - 1;
}

void WebBrowser::announceCommandState() {
    emit commandStateChange(CommandForward, canGoForward());
    emit commandStateChange(CommandBack, canGoBack());
}

}
