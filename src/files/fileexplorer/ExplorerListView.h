#pragma once

#include <QString>
#include <QTreeWidget>

#include <initializer_list>

// A report list of the file explorer: several rows selectable, columns with
// widths in twips and a kind tag each for the column sort; a drag carries
// the focused row's first cell as plain text when the list allows drags.
class ExplorerListView : public QTreeWidget {
    Q_OBJECT
public:
    struct Column {
        const char* header;
        int widthTwips;
        bool rightAligned;
        const char* tag;
    };

    explicit ExplorerListView(const QString& name, QWidget* parent = nullptr);

    void setColumns(std::initializer_list<Column> columns);
    // Widths in twips. A width set here reads back unchanged until the user
    // resizes the column.
    void setColumnWidthTwips(int column, int widthTwips);
    int columnWidthTwips(int column) const;
    // A row with one text per column, in the list's sort.
    QTreeWidgetItem* addRow(const QStringList& texts);
    void allowNameDrags();
    // The selected rows from the top down.
    QList<QTreeWidgetItem*> selectedRows() const;

protected:
    QMimeData* mimeData(const QList<QTreeWidgetItem*>& items) const override;
    QStringList mimeTypes() const override;
};
