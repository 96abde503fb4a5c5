#include <QCoreApplication>
#include <QFileInfo>

#include <gtest/gtest.h>

// The program folder a build lays out beside the executables, which
// ./korvo.sh starts Korvo in: the snippet commands refuse to work without
// their folder, so every folder Korvo reads or writes is there from the start.
TEST(BuildProgramFolder, HoldsEveryFolderKorvoNeeds) {
    for (const char* folder : {"conf", "Styles", "Layouts", "Temp", "Backup", "Snippets"})
        EXPECT_TRUE(QFileInfo(QCoreApplication::applicationDirPath() + QLatin1Char('/') + QLatin1String(folder)).isDir())
            << folder;
}
