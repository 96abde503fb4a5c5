#include "settings/StyleStore.h"

#include "platform/SettingsStore.h"
#include "settings/BuiltInColorStyle.h"
#include "settings/DarkStyle.h"
#include "settings/StyleFile.h"
#include "support/TestEnvironment.h"
#include "vocabulary/SettingsValues.h"

#include <QDir>
#include <QFile>

namespace {

const QString kMissingWarning = QStringLiteral("Specified Style Not Found:\r\n%1\r\nPress Ok to load the Default Style...");
const QString kDamagedWarning = QStringLiteral("Style file is damaged:\r\n%1\r\nPress Ok to load the Default Style...");

// A program folder whose Styles hold "Default" (the built-in style) and
// whose stored and current style is "Dark".
class StyleStoreTest : public KorvoTest {
protected:
    void SetUp() override {
        KorvoTest::SetUp();
        QDir(home()).mkpath(QStringLiteral("Styles"));
        writeAll(stylePath("Default"), FormatStyle(BuiltInColorStyle(), QStringLiteral("Plain")));
        storeStyleName(QStringLiteral("Dark"));
        gColorStyle = DarkStyle();
        gStyleDescription = QStringLiteral("Before");
    }
    void TearDown() override {
        gColorStyle = BuiltInColorStyle();
        gStyleDescription = BuiltInStyleDescription();
        KorvoTest::TearDown();
    }
    QString stylePath(const char* name) const { return homeFile(QStringLiteral("Styles/%1.style").arg(QLatin1String(name))); }
    static void storeStyleName(const QString& name) {
        platform::SaveSetting(QStringLiteral("OptionsEdit"), QStringLiteral("SciStyleName"), name);
        GetEditOptions();
    }
    static QString storedStyleName() { return platform::GetSetting(QStringLiteral("OptionsEdit"), QStringLiteral("SciStyleName")); }
    QStringList promptTexts() const {
        QStringList texts;
        for (const platform::PromptRequest& request : prompts)
            texts.append(request.text);
        return texts;
    }
    bool logged(const char* procedure) const {
        return readAll(homeFile(QStringLiteral("error.log"))).contains(QByteArray(":") + procedure + "\r\n");
    }
    void expectDefaultLoaded() const {
        EXPECT_EQ(gColorStyle.ForeColor, BuiltInColorStyle().ForeColor);
        EXPECT_EQ(gStyleDescription, "Plain");
    }
};

}

TEST_F(StyleStoreTest, LoadsANamedStyleWhole) {
    writeAll(stylePath("Dark"), DarkStyleBytes() + QByteArray(20, 'z'));
    gColorStyle = BuiltInColorStyle();
    EXPECT_EQ(LoadStyle(QStringLiteral("Dark")), "Dark");
    EXPECT_EQ(gColorStyle.AltColor, DarkStyle().AltColor);
    EXPECT_EQ(gColorStyle.FontName, DarkStyle().FontName);
    EXPECT_EQ(gStyleDescription, "Dark");
    EXPECT_TRUE(prompts.isEmpty());
}

TEST_F(StyleStoreTest, AMissingCurrentStyleFallsBackToDefaultAndTheStoreForgetsIt) {
    EXPECT_EQ(LoadStyle(QStringLiteral("Dark")), "Default");
    EXPECT_EQ(promptTexts(), QStringList{kMissingWarning.arg(stylePath("Dark"))});
    EXPECT_EQ(prompts[0].icon, platform::vbExclamation);
    expectDefaultLoaded();
    EXPECT_EQ(SciStyleName, "Default");
    EXPECT_EQ(storedStyleName(), "Default");
}

TEST_F(StyleStoreTest, AMissingStyleThatIsNotCurrentLeavesTheSettingAlone) {
    EXPECT_EQ(LoadStyle(QStringLiteral("Gone")), "Default");
    expectDefaultLoaded();
    EXPECT_EQ(SciStyleName, "Dark");
    EXPECT_EQ(storedStyleName(), "Dark");
}

TEST_F(StyleStoreTest, ADamagedOrForeignStyleFallsBackToDefaultOnlyInMemory) {
    const QByteArray cut = DarkStyleBytes().left(500);
    const QByteArray foreign = QByteArray("\x02\x00", 2) + DarkStyleBytes().mid(2);
    for (const QByteArray& bytes : {cut, foreign}) {
        SCOPED_TRACE(bytes.size());
        prompts.clear();
        storeStyleName(QStringLiteral("Dark"));
        gColorStyle = DarkStyle();
        writeAll(stylePath("Dark"), bytes);
        EXPECT_EQ(LoadStyle(QStringLiteral("Dark")), "Default");
        const QString expected = bytes == cut ? kDamagedWarning.arg(stylePath("Dark")) : QStringLiteral("Incorrect Style Version !");
        EXPECT_EQ(promptTexts(), QStringList{expected});
        expectDefaultLoaded();
        EXPECT_EQ(SciStyleName, "Default");
        EXPECT_EQ(storedStyleName(), "Dark");
        EXPECT_EQ(readAll(stylePath("Dark")), bytes);
    }
    EXPECT_TRUE(logged("LoadStyle"));
}

TEST_F(StyleStoreTest, WithoutAUsableDefaultNothingLoadsAndTheRecordStays) {
    QFile::remove(stylePath("Default"));
    writeAll(stylePath("Dark"), DarkStyleBytes().left(500));
    gColorStyle = BuiltInColorStyle();
    EXPECT_EQ(LoadStyle(QStringLiteral("Dark")), "");
    EXPECT_EQ(promptTexts(), (QStringList{kDamagedWarning.arg(stylePath("Dark")), QStringLiteral("Default Style Not Found !")}));
    EXPECT_EQ(prompts[1].icon, platform::vbCritical);
    EXPECT_EQ(gColorStyle.ForeColor, BuiltInColorStyle().ForeColor);
    EXPECT_EQ(gStyleDescription, "Before");

    writeAll(stylePath("Default"), DarkStyleBytes().left(600));
    EXPECT_EQ(LoadStyle(QStringLiteral("Default")), "");
    EXPECT_EQ(gColorStyle.ForeColor, BuiltInColorStyle().ForeColor);
}

TEST_F(StyleStoreTest, NamesThatLeaveTheStyleFolderAreRefused) {
    writeAll(homeFile("Outside.style"), DarkStyleBytes());
    gColorStyle = BuiltInColorStyle();
    for (const QString& name : {QStringLiteral("../Outside"), QStringLiteral("..\\Outside"), QStringLiteral(".."), QStringLiteral(".")}) {
        EXPECT_FALSE(IsStyleName(name));
        EXPECT_EQ(LoadStyle(name), "Default") << name.toStdString();
        expectDefaultLoaded();
    }
    EXPECT_TRUE(IsStyleName(QStringLiteral("My style.v2")));

    EXPECT_FALSE(SaveStyle(QStringLiteral("../Written"), QStringLiteral("x")));
    EXPECT_FALSE(QFile::exists(homeFile("Written.style")));
    EXPECT_TRUE(logged("SaveStyle"));
}

TEST_F(StyleStoreTest, SavingReplacesTheWholeFileAndAFailedSaveIsReported) {
    writeAll(stylePath("Dark"), FormatStyle(DarkStyle(), QString(200, QLatin1Char('o'))));
    EXPECT_TRUE(SaveStyle(QStringLiteral("Dark"), QStringLiteral("Dark")));
    EXPECT_EQ(readAll(stylePath("Dark")), DarkStyleBytes());

    QDir(homeFile("Styles/Blocked.style")).mkpath(QStringLiteral("."));
    EXPECT_FALSE(SaveStyle(QStringLiteral("Blocked"), QStringLiteral("x")));
    EXPECT_TRUE(logged("SaveStyle"));
}
