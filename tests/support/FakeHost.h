#pragma once

#include "platform/Host.h"

#include <QWidget>

// A host without windows for tests: installed while it exists, it keeps its
// document windows in a list, counts the code explorer's refreshes and
// holds commands and panes as plain values.
class FakeHost : public platform::HeadlessHost {
public:
    FakeHost() { platform::setHost(this); }
    ~FakeHost() override { platform::setHost(nullptr); }

    struct Window {
        QString key;
        QWidget* form = nullptr;
        QString caption;
    };
    QList<Window> windows;
    QString activeKey;
    bool redraw = true;
    int explorerRefreshes = 0;
    int explorerInvalidations = 0;
    QStringList openedFiles;

    int documentWindowCount() const override { return int(windows.size()); }
    QStringList documentWindowKeys() const override;
    QWidget* documentWindow(const QString& key) const override;
    void activateDocumentWindow(const QString& key) override;
    QString documentWindowCaption(const QString& key) const override;
    void setDocumentWindowCaption(const QString& key, const QString& caption) override;
    void setRedraw(bool on) override { redraw = on; }
    void refreshCodeExplorer() override { ++explorerRefreshes; }
    void invalidateCodeExplorer() override { ++explorerInvalidations; }
    void openFile(const QString& path) override { openedFiles.append(path); }

private:
    const Window* find(const QString& key) const;
    Window* find(const QString& key);
};

// A list command of the host seen as a menu: captions, and paths from 1.
class HostList {
public:
    HostList(FakeHost& host, const QString& key) : host_(host), key_(key) { host.setCommandListItems(key, {}); }

    void RemoveAll() { host_.setCommandListItems(key_, {}); }
    void AddItem(const QString& caption, const QString& path);
    int Count() const { return int(host_.commandListItems(key_).size()); }
    QString ItemPath(int position) const { return host_.commandListItems(key_).value(position - 1).key; }
    QStringList captions() const;
    // "caption|key" of each item.
    QStringList items() const;

private:
    FakeHost& host_;
    QString key_;
};
