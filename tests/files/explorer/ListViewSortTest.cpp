#include "files/explorer/ExplorerListView.h"
#include "files/explorer/FileListRows.h"
#include "files/explorer/ListViewSort.h"

#include <QHeaderView>

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
