#pragma once

#include "platform/Host.h"

#include <QList>
#include <QPointer>
#include <QWidget>

// A host without a main window for the modes that switch documents: it
// keeps the document windows in a list, and activating one makes its
// document the active one, as the main window does. Installed while it
// exists.
class DumpHost : public platform::HeadlessHost {
public:
    DumpHost();
    ~DumpHost() override;

    int documentWindowCount() const override { return int(windows_.size()); }
    QStringList documentWindowKeys() const override;
    QWidget* documentWindow(const QString& key) const override;
    void activateDocumentWindow(const QString& key) override;
    QString documentWindowCaption(const QString& key) const override;
    void setDocumentWindowCaption(const QString& key, const QString& caption) override;
    QStringList documentWindowIds() const override;
    QString documentWindowId(const QString& keyOrId) const override;
    bool documentWindowVisible(const QString& keyOrId) const override { return find(keyOrId) != nullptr; }
    QString addDocumentWindow(const QString& caption, QWidget* form, const QString& key) override;
    void setDocumentWindowForm(const QString& keyOrId, QWidget* form) override;
    void setDocumentWindowKey(const QString& keyOrId, const QString& key) override;
    void closeDocumentWindow(const QString& keyOrId) override;
    QString activeDocumentWindowKey() const override { return activeKey_; }
    QString previousDocumentWindowKey() const override { return QString(); }
    void setPreviousDocumentWindowKey(const QString&) override {}
    QWidget* mainWindow() const override { return nullptr; }
    void setRedraw(bool) override {}
    void refreshCodeExplorer() override {}
    void invalidateCodeExplorer() override {}

private:
    struct Window {
        QString key;
        QString id;
        QString caption;
        QPointer<QWidget> form;
    };
    const Window* find(const QString& keyOrId) const;
    Window* find(const QString& keyOrId);

    QList<Window> windows_;
    QString activeKey_;
    int nextId_ = 0;
};
