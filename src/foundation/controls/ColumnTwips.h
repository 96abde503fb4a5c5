#pragma once

#include <QString>

class QTreeWidget;

// Column widths of a list or tree in twips. A width set here reads back as
// the same number until the user drags the column to another width, so a
// stored width survives a round trip through whole pixels; a dragged column
// reads as its pixels in twips.
void SetColumnWidthTwips(QTreeWidget& view, int column, int widthTwips);
int ColumnWidthTwips(const QTreeWidget& view, int column);

// A column width stored under UISettings/key: a number of twips, rounded
// half to even; defaultWidth when it is no number or lies outside
// lowest..highest.
int StoredColumnWidthTwips(const QString& key, int defaultWidth, int lowest, int highest);
