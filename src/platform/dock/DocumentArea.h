#pragma once

#include "platform/dock/DocumentWindow.h"

#include <QList>
#include <QPointer>
#include <QTabWidget>

class QSplitter;

// The central document area: document windows as closable tabs, in one or
// more tab groups laid out side by side or one below the other. Closing a
// tab raises the hiding event (which may cancel), then the closed event;
// a change of active window raises deactivation of the window left and
// activation of the new one, and leaving no active window raises
// NoActiveDocument. The active window is the current tab of the group that
// had the focus last; a group left empty disappears.
namespace dock {

class DockEvents;

enum class TabGroupSide { Below, Beside };

class DocumentArea : public QWidget {
    Q_OBJECT
public:
    explicit DocumentArea(QWidget* parent = nullptr);
    ~DocumentArea() override;

    void setEvents(DockEvents* events) { events_ = events; }

    // A new visible window with a fresh ID in the focused group, made the active one.
    DocumentWindow& add(const QString& caption, QWidget* form, const QString& key);
    // By key, else by ID; null when nothing matches.
    DocumentWindow* find(const QString& keyOrId) const;
    // As find, but raises error 50000 when nothing matches.
    DocumentWindow& item(const QString& keyOrId) const;
    int windowCount() const { return int(windows_.size()); }
    // Group by group, tab by tab, then the hidden windows.
    QList<DocumentWindow*> windows() const;
    // The same, for walks that may close windows on the way.
    QList<QPointer<DocumentWindow>> guardedWindows() const;
    DocumentWindow* active() const { return active_; }
    // The page the active window shows (its form or a blank page).
    QWidget* currentWidget() const;
    // The window after (or before) one in that order; null at the end.
    DocumentWindow* next(const DocumentWindow& window) const;
    DocumentWindow* previous(const DocumentWindow& window) const;

    void activate(DocumentWindow& window);
    // The area's own visibility stays the widget's.
    using QWidget::setVisible;
    // Hiding asks the handler first; returns whether the window is now hidden.
    bool setVisible(DocumentWindow& window, bool visible);
    void setCaption(DocumentWindow& window, const QString& caption);
    // Sets or clears (null) the hosted form.
    void setForm(DocumentWindow& window, QWidget* form);
    // Forgets the window; its form stays with whoever owns it.
    void remove(DocumentWindow& window);
    // Moves a shown window into a new group below or beside its own, which
    // then has the focus. A window alone in its group stays where it is.
    void splitOff(DocumentWindow& window, TabGroupSide side);
    int groupCount() const { return int(groups_.size()); }
    // The group a shown window is in, counted from 0 in window order; -1 when hidden.
    int groupIndexOf(const DocumentWindow& window) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTabWidget* newGroup();
    void placeAfter(QTabWidget* group, QTabWidget* beside, Qt::Orientation orientation);
    void dropIfEmpty(QTabWidget* group);
    void showInFocusedGroup(DocumentWindow& window);
    void takeOut(DocumentWindow& window);
    void focusGroup(QTabWidget* group);
    void updateActive();
    QTabWidget* groupOf(const DocumentWindow& window) const;
    DocumentWindow* windowAt(const QTabWidget* group, int index) const;
    DocumentWindow* windowOfWidget(QObject* object) const;
    // Clicks inside the document area of a form's own docking layer are that layer's.
    bool insideNestedArea(const QObject* object) const;
    void watchForm(QWidget* form);

    QSplitter* root_;
    QList<QTabWidget*> groups_;
    QPointer<QTabWidget> focused_;
    QList<DocumentWindow*> windows_;
    QPointer<DocumentWindow> active_;
    DockEvents* events_ = nullptr;
    bool rearranging_ = false;
    // While a click changes a group's tab: the focus that the page going out hands on is no choice of a group.
    bool switchingTab_ = false;
};

}
