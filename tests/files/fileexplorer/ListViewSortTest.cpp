#include "files/fileexplorer/ExplorerListView.h"
#include "files/fileexplorer/FileListRows.h"
#include "files/fileexplorer/ListViewSort.h"

#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QStyle>

#include <gtest/gtest.h>

namespace {

class ListViewSortTest : public ::testing::Test {
protected:
    ListViewSortTest() : list(QStringLiteral("lvFiles")) {
        SetUpFileListColumns(&list, 2000);
        list.addRow({"b.bb", "10", "2024-05-01 10:00:00"});
        list.addRow({"A.bb", "9", ""});
        list.addRow({"c.bb", "", "2023-12-31 23:59:59"});
        list.addRow({"d.bb", "100", "2024-05-01 09:59:59"});
        list.topLevelItem(0)->setData(1, Qt::UserRole, QStringLiteral("tag\0kept"));
    }
    QStringList column(int c) const {
        QStringList texts;
        for (int i = 0; i < list.topLevelItemCount(); ++i)
            texts.append(list.topLevelItem(i)->text(c));
        return texts;
    }
    int headersShowingTheIndicator() const {
        return list.header()->isSortIndicatorShown() && list.header()->sortIndicatorSection() < list.columnCount() ? 1 : 0;
    }
    ExplorerListView list;
};

struct ScopedApplicationStyle {
    explicit ScopedApplicationStyle(const QString& name) : before(QApplication::style()->name()) { QApplication::setStyle(name); }
    ~ScopedApplicationStyle() { QApplication::setStyle(before); }
    const QString before;
};

QImage headerPicture(ExplorerListView& list, Qt::SortOrder order, bool shown) {
    list.header()->setSortIndicator(0, order);
    list.header()->setSortIndicatorShown(shown);
    return list.header()->grab().toImage();
}

// The rows of the sort arrow, found as the pixels that showing the indicator
// changes, and how many pixels wide each row is.
QList<int> arrowRowWidths(ExplorerListView& list, Qt::SortOrder order) {
    const QImage without = headerPicture(list, order, false);
    const QImage with = headerPicture(list, order, true);
    QList<int> widths;
    for (int y = 0; y < with.height(); ++y) {
        int changed = 0;
        for (int x = 0; x < list.header()->sectionSize(0); ++x)
            changed += with.pixel(x, y) != without.pixel(x, y) ? 1 : 0;
        if (changed > 0)
            widths.append(changed);
    }
    return widths;
}

}

TEST_F(ListViewSortTest, SizeSortsByValueDescendingFirstThenAscendingWithBlanksFirst) {
    SortListViewByColumn(&list, 1);
    EXPECT_EQ(column(1), QStringList({"100", "10", "9", ""}));
    EXPECT_EQ(listsort::SortOrder(&list), Qt::DescendingOrder);
    SortListViewByColumn(&list, 1);
    EXPECT_EQ(column(1), QStringList({"", "9", "10", "100"}));
    EXPECT_EQ(list.header()->sortIndicatorSection(), 1);
    EXPECT_EQ(list.header()->sortIndicatorOrder(), Qt::AscendingOrder);
    EXPECT_EQ(headersShowingTheIndicator(), 1);
    EXPECT_EQ(list.topLevelItem(2)->data(1, Qt::UserRole).toString(), QStringLiteral("tag\0kept"));
}

TEST_F(ListViewSortTest, DatesSortToTheSecondAndTheOrderFlipsAcrossColumns) {
    SortListViewByColumn(&list, 2);
    EXPECT_EQ(column(0), QStringList({"b.bb", "d.bb", "c.bb", "A.bb"}));
    SortListViewByColumn(&list, 0);
    EXPECT_EQ(column(0), QStringList({"A.bb", "b.bb", "c.bb", "d.bb"}));
    EXPECT_EQ(list.header()->sortIndicatorSection(), 0);
    EXPECT_EQ(column(2), QStringList({"", "2024-05-01 10:00:00", "2023-12-31 23:59:59", "2024-05-01 09:59:59"}));
}

TEST_F(ListViewSortTest, ClearingAnotherHeaderKeepsTheIndicator) {
    SortListViewByColumn(&list, 2);
    ClearHeaderSortImage(&list, 0);
    ClearHeaderSortImage(&list, 1);
    EXPECT_TRUE(list.header()->isSortIndicatorShown());
    ClearHeaderSortImage(&list, 2);
    EXPECT_FALSE(list.header()->isSortIndicatorShown());
}

TEST(ListViewSortArrowTest, AscendingPointsUpAndDescendingDownInBothStyles) {
    for (const QString& style : {QStringLiteral("Fusion"), QStringLiteral("Windows")}) {
        SCOPED_TRACE(style.toStdString());
        const ScopedApplicationStyle applied(style);
        ASSERT_EQ(QApplication::style()->name().toLower(), style.toLower());
        ExplorerListView list(QStringLiteral("lvFiles"));
        SetUpFileListColumns(&list, 2000);
        list.resize(400, 120);
        list.show();

        const QList<int> ascending = arrowRowWidths(list, Qt::AscendingOrder);
        ASSERT_GE(ascending.size(), 3);
        EXPECT_LT(ascending.first(), ascending.last()) << "an ascending arrow is wide at its bottom";

        const QList<int> descending = arrowRowWidths(list, Qt::DescendingOrder);
        ASSERT_GE(descending.size(), 3);
        EXPECT_GT(descending.first(), descending.last()) << "a descending arrow is wide at its top";
    }
}
