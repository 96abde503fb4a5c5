#include "foundation/Registry.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFileInfo>

namespace {

class RegistryTest : public KorvoTest {
protected:
    void SetUp() override {
        KorvoTest::SetUp();
        ASSERT_TRUE(data_.isValid() && templates_.isValid());
        qputenv("XDG_DATA_HOME", data_.path().toUtf8());
        qputenv("XDG_TEMPLATES_DIR", templates_.path().toUtf8());
    }
    void TearDown() override {
        qunsetenv("XDG_DATA_HOME");
        qunsetenv("XDG_TEMPLATES_DIR");
        KorvoTest::TearDown();
    }

    QStringList filesIn(const QString& folder, const QString& pattern) const {
        return QDir(data_.path() + "/" + folder).entryList({pattern}, QDir::Files);
    }
    QString dataFile(const QString& name) const { return data_.path() + "/" + name; }
    QString templateFile(const QString& name) const { return templates_.path() + "/" + name; }

    QTemporaryDir data_;
    QTemporaryDir templates_;
};

}

TEST_F(RegistryTest, AssociatingTwiceKeepsOnePackageAndEntryWithTheSecondValues) {
    ASSERT_TRUE(AssociateFileType("bb", "Old File", "Korvo.Old", "/old/BBFile.ico", "\"/old/korvo\" \"%1\""));
    ASSERT_TRUE(AssociateFileType(".bb", "Blitz File", "Korvo.BB", "/opt/korvo/icons/BBFile.ico",
                                  "\"/opt/korvo/korvo\" \"%1\""));

    EXPECT_EQ(filesIn("mime/packages", "*.xml"), QStringList({"korvo-bb.xml"}));
    EXPECT_EQ(filesIn("applications", "*.desktop"), QStringList({"korvo-bb.desktop"}));
    const QByteArray package = readAll(dataFile("mime/packages/korvo-bb.xml"));
    EXPECT_TRUE(package.contains("type=\"application/x-korvo.bb\""));
    EXPECT_TRUE(package.contains("<comment>Blitz File</comment>"));
    EXPECT_TRUE(package.contains("pattern=\"*.bb\""));
    EXPECT_FALSE(package.contains("Old"));
    const QByteArray entry = readAll(dataFile("applications/korvo-bb.desktop"));
    EXPECT_TRUE(entry.contains("\nExec=\"/opt/korvo/korvo\" %f\n"));
    EXPECT_TRUE(entry.contains("\nIcon=/opt/korvo/icons/BBFile.ico\n"));
    EXPECT_TRUE(entry.contains("\nMimeType=application/x-korvo.bb;\n"));
    EXPECT_TRUE(entry.contains("\nComment=Blitz File\n"));
    EXPECT_FALSE(entry.contains("old"));

    ASSERT_TRUE(AssociateFileType("kws", "Korvo Workspace File", "Korvo.KWS", "/i.ico", "/opt/korvo/korvo --x 100%"));
    EXPECT_TRUE(readAll(dataFile("applications/korvo-kws.desktop")).contains("\nExec=/opt/korvo/korvo --x 100%% %f\n"));
}

TEST_F(RegistryTest, TheNewEntryIsAnEmptyTemplateNamedAfterTheType) {
    ASSERT_TRUE(AssociateFileType("bb", "Blitz File", "Korvo.BB", "/i.ico", "korvo \"%1\"", true));
    const QString blitzTemplate = templateFile("Blitz File.bb");
    ASSERT_TRUE(QFileInfo(blitzTemplate).isFile());
    EXPECT_EQ(QFileInfo(blitzTemplate).size(), 0);

    ASSERT_TRUE(AssociateFileType("bb", "Blitz File", "Korvo.BB", "/i.ico", "korvo \"%1\""));
    EXPECT_TRUE(QFileInfo::exists(blitzTemplate));
    ASSERT_TRUE(AssociateFileType("bb", "Blitz Basic File", "Korvo.BB", "/i.ico", "korvo \"%1\""));
    EXPECT_FALSE(QFileInfo::exists(blitzTemplate));
    EXPECT_TRUE(QFileInfo::exists(templateFile("Blitz Basic File.bb")));

    ASSERT_TRUE(AssociateFileType("bb", "Blitz Basic File", "Korvo.BB", "/i.ico", "korvo \"%1\"", false));
    EXPECT_TRUE(QDir(templates_.path()).isEmpty());

    // A template the user has filled in stays.
    ASSERT_TRUE(SetShellNew("bb", true));
    writeAll(templateFile("Blitz Basic File.bb"), "Graphics 640,480\r\n");
    EXPECT_TRUE(SetShellNew("bb", false));
    EXPECT_EQ(readAll(templateFile("Blitz Basic File.bb")), "Graphics 640,480\r\n");
}

TEST_F(RegistryTest, AnUnusableExtensionWritesNothing) {
    EXPECT_FALSE(AssociateFileType("../../evil", "Evil", "Evil", "/i.ico", "korvo"));
    EXPECT_FALSE(AssociateFileType("", "Empty", "Empty", "/i.ico", "korvo"));
    EXPECT_FALSE(SetShellNew("a/b", true));
    EXPECT_TRUE(QDir(data_.path()).isEmpty());
    EXPECT_TRUE(QDir(templates_.path()).isEmpty());
}
