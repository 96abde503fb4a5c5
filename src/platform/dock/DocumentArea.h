#pragma once

#include "platform/dock/DocumentWindow.h"

#include <QList>
#include <QPointer>
#include <QTabWidget>

// The central document area: document windows as closable tabs. Closing a
// tab raises the hiding event (which may cancel), then the closed event;
// switching tabs raises deactivation of the window left and activation of
// the new one, and leaving no active window raises NoActiveDocument.
namespace dock {

class DockEvents;

class DocumentArea : public QTabWidget {
    Q_OBJECT
public:
    explicit DocumentArea(QWidget* parent = nullptr);
    ~DocumentArea() override;

    void setEvents(DockEvents* events) { events_ = events; }

    // A new visible window with a fresh ID, made the active one.
    DocumentWindow& add(const QString& caption, QWidget* form, const QString& key);
    // By key, else by ID; null when nothing matches.
    DocumentWindow* find(const QString& keyOrId) const;
    // As find, but raises error 50000 when nothing matches.
    DocumentWindow& item(const QString& keyOrId) const;
    int windowCount() const { return int(windows_.size()); }
    // Tab order, then the hidden windows.
    QList<DocumentWindow*> windows() const;
    // The same, for walks that may close windows on the way.
    QList<QPointer<DocumentWindow>> guardedWindows() const;
    DocumentWindow* active() const { return active_; }
    // The window after (or before) one in tab order; null at the end.
    DocumentWindow* next(const DocumentWindow& window) const;
    DocumentWindow* previous(const DocumentWindow& window) const;

    void activate(DocumentWindow& window);
    // Hiding asks the handler first; returns whether the window is now hidden.
    bool setVisible(DocumentWindow& window, bool visible);
    void setCaption(DocumentWindow& window, const QString& caption);
    // Sets or clears (null) the hosted form.
    void setForm(DocumentWindow& window, QWidget* form);
    // Forgets the window; its form stays with whoever owns it.
    void remove(DocumentWindow& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void tabChanged(int index);
    DocumentWindow* windowAt(int index) const;
    DocumentWindow* windowOfWidget(QObject* object) const;
    void watchForm(QWidget* form);

    QList<DocumentWindow*> windows_;
    QPointer<DocumentWindow> active_;
    DockEvents* events_ = nullptr;
};

}
