#include "foundation/FileIcons.h"
#include "foundation/FolderIcons.h"
#include "platform/KorvoError.h"
#include "support/TestEnvironment.h"

#include <QImage>

using FileIconsTest = KorvoTest;

TEST_F(FileIconsTest, GetIconAddsOneImagePerKeyAndNoneForAMissingFile) {
    ImageList images;
    EXPECT_EQ(GetIcon(homeFile("missing.bb"), ".BB", images), 0);
    EXPECT_EQ(images.Count(), 0);

    writeAll(homeFile("game.bb"), "Print 1\r\n");
    writeAll(homeFile("notes.txt"), "x");
    EXPECT_EQ(GetIcon(homeFile("game.bb"), ".BB", images), 1);
    EXPECT_EQ(GetIcon(homeFile("notes.txt"), ".TXT", images), 2);
    EXPECT_FALSE(images.Icon(1).isNull());
    EXPECT_EQ(images.IndexOf(".TXT"), 2);
    EXPECT_EQ(images.IndexOf(".EXE"), 0);

    EXPECT_EQ(GetIcon(homeFile("game.bb"), ".BB", images), 0);
    EXPECT_EQ(images.Count(), 2);
    EXPECT_TRUE(readAll(homeFile("error.log")).contains("GetIcon"));
    EXPECT_THROW(images.Add(".BB", QIcon()), KorvoError);
}

TEST_F(FileIconsTest, GetExeIconSharesImagesThatLookAlikeAndSkipsUnreadableIcons) {
    ImageList images;
    writeAll(homeFile("one.exe"), "MZ");
    writeAll(homeFile("two.exe"), "MZ");
    const int first = GetExeIcon(homeFile("one.exe"), images);
    ASSERT_GT(first, 0);
    EXPECT_EQ(GetExeIcon(homeFile("two.exe"), images), first);
    EXPECT_EQ(images.Count(), 1);

    QImage red(16, 16, QImage::Format_ARGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(homeFile("red.ico"), "ICO"));
    const int own = GetExeIcon(homeFile("red.ico"), images);
    EXPECT_EQ(own, 2);
    EXPECT_EQ(images.Icon(own).pixmap(16, 16).toImage().pixelColor(8, 8), QColor(Qt::red));

    writeAll(homeFile("broken.ico"), "not an icon at all");
    EXPECT_EQ(GetExeIcon(homeFile("broken.ico"), images), 0);
    EXPECT_EQ(GetExeIcon(homeFile("missing.exe"), images), 0);
    EXPECT_EQ(images.Count(), 2);
}

TEST_F(FileIconsTest, TheFolderPicturesAreSharedByEveryRowAndToldApart) {
    EXPECT_EQ(ClosedFolderIcon().cacheKey(), ClosedFolderIcon().cacheKey());
    EXPECT_EQ(OpenFolderIcon().cacheKey(), OpenFolderIcon().cacheKey());
    EXPECT_NE(ClosedFolderIcon().pixmap(16).toImage(), OpenFolderIcon().pixmap(16).toImage());
}
