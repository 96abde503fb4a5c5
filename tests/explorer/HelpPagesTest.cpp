#include "explorer/HelpPages.h"
#include "support/Corpus.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

const QString kHelp = QStringLiteral("/opt/blitz/help");
const QString kCorpusHelp = QStringLiteral(KORVO_CORPUS_DIR "/help");

}

TEST(HelpPages, TitlesFixedPagesAndElseTheFileName) {
    const struct {
        const char* page;
        const char* title;
    } cases[] = {
        {"/index.html", "Home"},
        {"/commands/index.htm", "Command Ref."},
        {"/commands/command_list.htm", "Command Ref."},
        {"/commands/main.htm", "Command Ref."},
        {"/commands/ascii.htm", "ASCII Codes"},
        {"/commands/scancode/keyboard.htm", "Scancodes Picker"},
        {"/x/drawimage.htm", "Drawimage"},
        {"/commands/2d_commands/DrawImage.htm", "DrawImage"},
        {"/commands/2d_commands/waitKey.htm", "WaitKey"},
        {"/x/.htm", ".htm"},
        {"/x/readme", "readme"},
        {"/x/", ""},
        {"/Index.html", "Index"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GetBBHelpTitle(kHelp, kHelp + QLatin1String(c.page)), QLatin1String(c.title)) << c.page;
}

TEST(HelpPages, FallsBackByTheNoHelpSetting) {
    EXPECT_EQ(KeywordHelpPage(kHelp, QStringLiteral("NoSuchWord"), 0), QString());
    EXPECT_EQ(KeywordHelpPage(kHelp, QStringLiteral("NoSuchWord"), 1), kHelp + QStringLiteral("/index.html"));
    EXPECT_EQ(KeywordHelpPage(kHelp, QStringLiteral("NoSuchWord"), 2), kHelp + QStringLiteral("/commands/index.htm"));
    EXPECT_EQ(KeywordHelpPage(kHelp, QStringLiteral("NoSuchWord"), -3), kHelp + QStringLiteral("/commands/index.htm"));
}

TEST(HelpPages, FindsCorpusPagesExactlyElseButForCase) {
    KORVO_NEED_CORPUS(QFileInfo(kCorpusHelp).isDir(), "no help tree in the corpus");
    const QString commands = kCorpusHelp + QStringLiteral("/commands/");
    EXPECT_EQ(KeywordHelpFile(kCorpusHelp, QStringLiteral("DrawImage")), commands + QStringLiteral("2d_commands/DrawImage.htm"));
    EXPECT_EQ(KeywordHelpFile(kCorpusHelp, QStringLiteral("MilliSecs")), commands + QStringLiteral("2d_commands/Millisecs.htm"));
    EXPECT_EQ(KeywordHelpFile(kCorpusHelp, QStringLiteral("GfxModeExists")), commands + QStringLiteral("2d_commands/GfxModeExists.htm"));
    EXPECT_EQ(KeywordHelpFile(kCorpusHelp, QStringLiteral("../2d_commands/DrawImage")), QString());
    EXPECT_EQ(KeywordHelpFile(kCorpusHelp, QStringLiteral("2d_commands/DrawImage")), QString());
    EXPECT_EQ(KeywordHelpFile(kCorpusHelp, QString()), QString());
    // Every command the corpus documents is found by its name in any case.
    for (const QString& name : QDir(commands + QStringLiteral("2d_commands")).entryList({QStringLiteral("*.htm")}, QDir::Files)) {
        const QString word = QFileInfo(name).completeBaseName();
        EXPECT_FALSE(KeywordHelpFile(kCorpusHelp, word.toUpper()).isEmpty()) << name.toStdString();
    }
}
