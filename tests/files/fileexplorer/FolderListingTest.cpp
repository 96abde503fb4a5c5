#include "files/fileexplorer/ExplorerIcons.h"
#include "files/fileexplorer/FileTypeFilter.h"
#include "files/fileexplorer/FolderListing.h"
#include "foundation/FileIcons.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QPixmap>

namespace {

class FolderListingTest : public KorvoTest {
protected:
    void SetUp() override {
        KorvoTest::SetUp();
        QDir(home()).mkpath(QStringLiteral("files/sub"));
        for (const char* name : {"a.txt", "b.RTF", "c.doc", "MAIN.BB", "d.bb", ".hidden.bb", "e.bb.bak", "readme"})
            writeAll(file(QLatin1String(name)), "x");
    }
    QString folder() const { return home() + QStringLiteral("/files"); }
    QString file(const QString& name) const { return folder() + QLatin1Char('/') + name; }
    QStringList listed(int filter) const {
        QStringList names;
        for (const QFileInfo& file : ListFolderFiles(folder(), QLatin1String(kFileTypeFilters[filter].pattern)))
            names << file.fileName();
        return names;
    }
};

}

TEST_F(FolderListingTest, FiltersMatchWithoutCaseAndLeaveOutHiddenFilesAndFolders) {
    EXPECT_EQ(QString::fromLatin1(kFileTypeFilters[3].caption), "Text Files (*.txt;*.rtf)");
    EXPECT_EQ(listed(3), QStringList({"a.txt", "b.RTF", "c.doc"}));
    EXPECT_EQ(listed(0), QStringList({"d.bb", "MAIN.BB"}));
    EXPECT_EQ(listed(5), QStringList({"a.txt", "b.RTF", "c.doc", "d.bb", "e.bb.bak", "MAIN.BB", "readme"}));
    EXPECT_TRUE(ListFolderFiles(folder() + QStringLiteral("/gone"), QStringLiteral("*.*")).isEmpty());
    EXPECT_EQ(CountSubfolders(folder()), 1);
    EXPECT_EQ(CountFiles(folder()), 8);
}

TEST_F(FolderListingTest, RowsGiveBytesAndASortableDateAndStayEmptyForAFileThatWent) {
    writeAll(file("d.bb"), "1234567890");
    const FileRow row = ReadFileRow(QFileInfo(file("d.bb")));
    EXPECT_EQ(row.size, "10");
    EXPECT_TRUE(QDateTime::fromString(row.date, QStringLiteral("yyyy-MM-dd HH:mm:ss")).isValid()) << row.date.toStdString();
    const FileRow gone = ReadFileRow(QFileInfo(file("gone.bb")));
    EXPECT_EQ(gone.name, "gone.bb");
    EXPECT_TRUE(gone.size.isEmpty() && gone.date.isEmpty());
}

TEST_F(FolderListingTest, FilesOfOneExtensionShareAnIconAndNamesWithoutADotShareEmpty) {
    EXPECT_EQ(IconKey(QStringLiteral("e.bb.bak")), ".BAK");
    EXPECT_EQ(IconKey(QStringLiteral("readme")), "Empty");
    ImageList images;
    const int first = FileIconIndex(folder(), QStringLiteral("MAIN.BB"), images);
    EXPECT_EQ(FileIconIndex(folder(), QStringLiteral("d.bb"), images), first);
    const int empty = FileIconIndex(folder(), QStringLiteral("readme"), images);
    EXPECT_EQ(images.IndexOf(QStringLiteral("Empty")), empty);
    EXPECT_EQ(images.IndexOf(QStringLiteral(".BB")), first);
    EXPECT_EQ(images.Count(), 2);
}

TEST_F(FolderListingTest, TheIconCacheIsCutBackTo499PastEightHundred) {
    ImageList images;
    QPixmap pixel(16, 16);
    for (int i = 1; i <= 800; ++i)
        images.Add(QString::number(i), QIcon(pixel));
    TrimIconCache(images);
    EXPECT_EQ(images.Count(), 800);
    images.Add(QStringLiteral("801"), QIcon(pixel));
    TrimIconCache(images);
    EXPECT_EQ(images.Count(), 499);
    EXPECT_EQ(images.IndexOf(QStringLiteral("499")), 499);
    EXPECT_EQ(images.IndexOf(QStringLiteral("500")), 0);
    EXPECT_EQ(images.Add(QStringLiteral("500"), QIcon(pixel)), 500);
}
