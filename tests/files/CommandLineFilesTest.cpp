#include "files/CommandLineFiles.h"

#include <QDir>

#include <gtest/gtest.h>

TEST(CommandLineFiles, SplitsOnBlanksOutsideQuotes) {
    EXPECT_EQ(SplitCommandLine(QString()), QStringList());
    EXPECT_EQ(SplitCommandLine(QStringLiteral("  a.bb   b.bb ")), (QStringList{"a.bb", "b.bb"}));
    EXPECT_EQ(SplitCommandLine(QStringLiteral("\"/my files/a.bb\" /L:12 \"\"")), (QStringList{"/my files/a.bb", "/L:12", ""}));
    EXPECT_EQ(SplitCommandLine(QStringLiteral("\"/open ended")), QStringList{"/open ended"});
    EXPECT_EQ(JoinCommandLine({QStringLiteral("rel.bb")}), QDir::current().absoluteFilePath(QStringLiteral("rel.bb")));
}
