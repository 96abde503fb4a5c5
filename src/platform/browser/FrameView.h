#pragma once

#include "platform/browser/PageSource.h"

#include <QTextBrowser>

// One frame of the browser control (or its only view): shows one local
// page, loads its style sheets and images from the page's folder (regular
// files only, of a page's bounded size), and
// tells its owner of clicked and hovered links with their full address
// and target.
namespace browser {

class FrameView : public QTextBrowser {
    Q_OBJECT
public:
    explicit FrameView(const QString& name, QWidget* parent = nullptr);

    QString frameName() const { return name_; }
    QString address() const { return address_; }
    // Shows a page that is no frameset; the fragment of the address, if
    // any, is scrolled to.
    void showPage(const QString& address, const PageSource& page);
    // The same page at another fragment of it, scrolled to.
    void scrollTo(const QString& address);

signals:
    // href as written in the page, resolved against it; target "" for none.
    void linkClicked(const QString& address, const QString& target);
    void linkHovered(const QString& address);

protected:
    QVariant loadResource(int type, const QUrl& name) override;

private:
    // The address and target of a link as the view reports it.
    std::pair<QString, QString> linkOf(const QUrl& url) const;

    QString name_;
    QString address_;
    QList<TargetedLink> links_;
};

}
