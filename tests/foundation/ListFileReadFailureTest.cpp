#include "aids/HotCodeStore.h"
#include "aids/HotCodesFile.h"
#include "build/CompilerList.h"
#include "build/CompilerListFile.h"
#include "build/ExternalTools.h"
#include "build/ExternalToolsFile.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>

namespace {

class ListFileReadFailure : public KorvoTest {
protected:
    void SetUp() override {
        KorvoTest::SetUp();
        QDir(home()).mkpath(QStringLiteral("conf"));
    }
    // A sparse file beyond what Korvo reads whole.
    static void makeTooLarge(const QString& path) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize((qint64(256) << 20) + 1));
    }
    bool reportedTooLarge(const QString& path) const {
        for (const platform::PromptRequest& prompt : prompts)
            if (prompt.text.contains(path + " did not load whole.\r\nFile larger than 256 MiB: " + path + "\r\n"))
                return true;
        return false;
    }
};

}

// Each list file loader names why its file could not be read, as every
// other reader of a file does.
TEST_F(ListFileReadFailure, EachListFileSaysWhyItCouldNotBeRead) {
    makeTooLarge(HotCodesPath());
    makeTooLarge(ExternalToolsFilePath());
    makeTooLarge(CompilerListPath());

    LoadHotCodes();
    EXPECT_TRUE(reportedTooLarge(HotCodesPath()));
    LoadExternalTools();
    EXPECT_TRUE(reportedTooLarge(ExternalToolsFilePath()));
    EXPECT_TRUE(LoadCompilers());
    EXPECT_TRUE(reportedTooLarge(CompilerListPath()));
}
