#pragma once

#include <QString>
#include <QTreeWidget>

// The folder itself when it exists, else its nearest existing ancestor;
// the home folder for a path that is empty or relative (the current
// directory of a process whose folder was deleted has no name).
QString NearestExistingFolder(const QString& path);

// The explorer's folder list: the folders from the root down to the current
// folder, each expanded, and the current folder's own subfolders (hidden
// ones left out). Setting another path refills it and raises Change.
class FolderList : public QTreeWidget {
    Q_OBJECT
public:
    explicit FolderList(QWidget* parent = nullptr);

    QString Path() const { return path_; }
    // A folder that does not exist is refused with KorvoError 76 and changes
    // nothing.
    void setPath(const QString& path);
    // Reads the current folder's subfolders again.
    void Refresh();
    // The folder of the highlighted entry; the current folder when none is.
    QString HighlightedPath() const;
    // The folder of the entry at a point of the viewport; "" below the entries.
    QString PathAt(const QPoint& viewportPoint) const;
    // Highlights the entry at a point of the viewport.
    void HighlightAt(const QPoint& viewportPoint);

signals:
    void Change();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void goTo(const QString& path);
    void fill();

    QString path_;
};
