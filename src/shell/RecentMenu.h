#pragma once

#include <QHash>
#include <QString>

// A recent-items list of the main window's command bars ("FileRecentFiles",
// "FileRecentProjects"): the captions show in a menu, each item keeps its
// path apart from its caption, and clicking an item opens its path.
class RecentMenu {
public:
    virtual ~RecentMenu() = default;

    virtual void RemoveAll() = 0;
    // Appends an item behind the items already there.
    virtual void AddItem(const QString& caption, const QString& path) = 0;
    virtual int Count() const = 0;
    // The path of the item at position (from 1).
    virtual QString ItemPath(int position) const = 0;
};

// The main window registers its two lists under their command keys while
// they exist (nullptr unregisters); the recent files code finds them here.
inline QHash<QString, RecentMenu*>& recentMenuRegistry() {
    static QHash<QString, RecentMenu*> menus;
    return menus;
}

inline void setRecentMenu(const QString& commandKey, RecentMenu* menu) {
    if (menu)
        recentMenuRegistry().insert(commandKey, menu);
    else
        recentMenuRegistry().remove(commandKey);
}

inline RecentMenu* findRecentMenu(const QString& commandKey) {
    return recentMenuRegistry().value(commandKey);
}
