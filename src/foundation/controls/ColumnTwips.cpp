#include "foundation/controls/ColumnTwips.h"

#include "foundation/Twips.h"
#include "platform/SettingsStore.h"

#include <QTreeWidget>

namespace {
// The twips last set and the pixels they gave, on the header item.
constexpr int kTwipsRole = Qt::UserRole + 1;
}

void SetColumnWidthTwips(QTreeWidget& view, int column, int widthTwips) {
    view.setColumnWidth(column, qMax(1, qRound(double(widthTwips) / twips::perPixelX(&view))));
    view.headerItem()->setData(column, kTwipsRole, QList<QVariant>{widthTwips, view.columnWidth(column)});
}

int ColumnWidthTwips(const QTreeWidget& view, int column) {
    const QList<QVariant> applied = view.headerItem()->data(column, kTwipsRole).toList();
    if (applied.size() == 2 && applied[1].toInt() == view.columnWidth(column))
        return applied[0].toInt();
    return view.columnWidth(column) * twips::perPixelX(&view);
}

int StoredColumnWidthTwips(const QString& key, int defaultWidth, int lowest, int highest) {
    bool ok = false;
    const double stored =
        platform::GetSetting(QStringLiteral("UISettings"), key, QString::number(defaultWidth)).trimmed().toDouble(&ok);
    const int width = ok ? twips::roundHalfEven(stored) : defaultWidth;
    return width < lowest || width > highest ? defaultWidth : width;
}
