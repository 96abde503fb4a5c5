#include "support/TestEnvironment.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>

namespace {

class IncludeCheck : public KorvoTest {
protected:
    void SetUp() override {
        KorvoTest::SetUp();
        writeAll(homeFile("ARCHITECTURE.md"),
                 "## Layers\n\n| folder | owns |\n|---|---|\n| `platform/` | a |\n| `language/` | b |\n"
                 "| `shell/` | c |\n\n## Next\n\n| `build/` | not a layer |\n");
        QDir(home()).mkpath("src/platform");
        QDir(home()).mkpath("src/language/parser");
        QDir(home()).mkpath("src/shell");
        writeAll(homeFile("src/platform/Low.h"), "#pragma once\n");
        writeAll(homeFile("src/shell/High.h"), "#include \"language/parser/Parser.h\"\n");
        writeAll(homeFile("src/main.cpp"), "#include \"shell/High.h\"\n#include \"build/Any.h\"\n");
    }

    int run(QString* output = nullptr) {
        QProcess check;
        check.start(QCoreApplication::applicationDirPath() + QStringLiteral("/korvo-include-check"),
                    {homeFile("src"), homeFile("ARCHITECTURE.md")});
        check.waitForFinished(30000);
        if (output)
            *output = QString::fromUtf8(check.readAllStandardOutput());
        return check.exitCode();
    }
};

}

TEST_F(IncludeCheck, AcceptsIncludesOfTheOwnLayerAndTheLayersAbove) {
    writeAll(homeFile("src/language/parser/Parser.h"),
             "#include \"platform/Low.h\"\n#include \"language/Other.h\"\n#include <QString>\n#include \"Local.h\"\n");
    EXPECT_EQ(run(), 0);
}

TEST_F(IncludeCheck, NamesTheFileAndLineOfEachIncludeOfALaterOrUnlistedFolder) {
    writeAll(homeFile("src/language/parser/Parser.h"),
             "#pragma once\n#include \"platform/Low.h\"\n  #  include \"shell/DocumentHost.h\"\n#include \"build/Any.h\"\n");
    QDir(home()).mkpath("src/tools");
    writeAll(homeFile("src/tools/Extra.h"), "#pragma once\n");
    QString output;
    EXPECT_EQ(run(&output), 1);
    EXPECT_TRUE(output.contains("src/language/parser/Parser.h:3: language/ includes \"shell/...\"")) << output.toStdString();
    EXPECT_TRUE(output.contains("src/language/parser/Parser.h:4: language/ includes \"build/...\"")) << output.toStdString();
    EXPECT_TRUE(output.contains("src/tools/Extra.h: folder tools/ is missing")) << output.toStdString();
    EXPECT_FALSE(output.contains("main.cpp")) << output.toStdString();
}
