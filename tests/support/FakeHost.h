#pragma once

#include "platform/Host.h"

#include <QWidget>

#include <functional>

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
        QString id = {};  // the tests' own windows leave it out
        bool visible = true;
    };
    QList<Window> windows;
    QString activeKey;
    QString previousKey;
    bool redraw = true;
    int explorerRefreshes = 0;
    int explorerInvalidations = 0;
    QStringList openedFiles;
    std::function<bool(const QString& key)> hideRefused;

    int documentWindowCount() const override { return int(windows.size()); }
    QStringList documentWindowKeys() const override;
    QWidget* documentWindow(const QString& key) const override;
    void activateDocumentWindow(const QString& key) override;
    QString documentWindowCaption(const QString& key) const override;
    void setDocumentWindowCaption(const QString& key, const QString& caption) override;
    QStringList documentWindowIds() const override;
    QString documentWindowId(const QString& keyOrId) const override;
    bool documentWindowVisible(const QString& keyOrId) const override;
    QString addDocumentWindow(const QString& caption, QWidget* form, const QString& key) override;
    void setDocumentWindowForm(const QString& keyOrId, QWidget* form) override;
    void setDocumentWindowKey(const QString& keyOrId, const QString& key) override;
    void closeDocumentWindow(const QString& keyOrId) override;
    // Asks hideRefused first (a cancelled save question), then closes the
    // window and unloads its document, as the main window does.
    bool hideDocumentWindow(const QString& keyOrId) override;
    QString activeDocumentWindowKey() const override { return activeKey; }
    QString previousDocumentWindowKey() const override { return previousKey; }
    void setPreviousDocumentWindowKey(const QString& key) override { previousKey = key; }
    QWidget* mainWindow() const override { return nullptr; }
    void setRedraw(bool on) override { redraw = on; }
    void refreshCodeExplorer() override { ++explorerRefreshes; }
    void invalidateCodeExplorer() override { ++explorerInvalidations; }
    void openFile(const QString& path) override { openedFiles.append(path); }

private:
    int nextId_ = 0;
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
