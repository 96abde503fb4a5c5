#include "shell/MainWindowFixture.h"

#include "platform/SettingsStore.h"
#include "settings/UIStyle.h"
#include "settings/frmStyles.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

namespace {

class FrmStylesTest : public MainWindowTest {
protected:
    static QString setting(const char* key) { return platform::GetSetting(QStringLiteral("Options"), QLatin1String(key)); }
    static void store(const char* key, const char* value) {
        platform::SaveSetting(QStringLiteral("Options"), QLatin1String(key), QLatin1String(value));
    }
    template <typename W>
    static W* widget(frmStyles& form, const char* name) {
        W* found = form.findChild<W*>(QLatin1String(name));
        EXPECT_TRUE(found) << name;
        return found;
    }
    static void click(frmStyles& form, const char* name) { widget<QAbstractButton>(form, name)->click(); }
    QStringList programFiles() const { return QDir(home()).entryList(QDir::Files | QDir::Hidden); }
};

}

TEST_F(FrmStylesTest, OpensOnTheStoredStylesAndAppliesEachFrameToTheLayers) {
    store("UIDockWndStyle", "XP");
    store("UICmdBarsStyle", "VS2005");
    frmStyles form;
    EXPECT_EQ(form.windowTitle(), " Change UI Style");
    EXPECT_TRUE(widget<QRadioButton>(form, "optDockWndXP")->isChecked());
    EXPECT_TRUE(widget<QRadioButton>(form, "optBarVS2005")->isChecked());
    EXPECT_TRUE(widget<QCheckBox>(form, "chkUseWinXpVisuals")->isChecked());

    main->DS->setCommandBarStyle(0, 0, 7);
    click(form, "cmdBarApply");
    EXPECT_EQ(main->DS->commandBarStyle(), 4);
    EXPECT_EQ(main->DS->styleProperty(), 0);
    EXPECT_TRUE(main->updatesEnabled());

    click(form, "optDockWndVC6");
    click(form, "optBar97");
    click(form, "cmdBarApply");
    EXPECT_EQ(main->DS->commandBarStyle(), 1);
    EXPECT_EQ(main->DS->commandsValue(), 2);
    EXPECT_EQ(main->DS->dockWindowStyle(), 0) << "the dock frame waits for its own Apply";
    click(form, "cmdDockWndApply");
    EXPECT_EQ(main->DS->dockWindowStyle(), 2);
    EXPECT_TRUE(main->updatesEnabled());

    form.reject();
    EXPECT_EQ(setting("UIDockWndStyle"), "VC6");
    EXPECT_EQ(setting("UICmdBarsStyle"), "97");
}

TEST_F(FrmStylesTest, AStoredNameWithoutAButtonSelectsNothingAndApplyKeepsTheLook) {
    store("UIDockWndStyle", "Motif");
    store("UICmdBarsStyle", "2K");
    frmStyles form;
    EXPECT_FALSE(widget<QRadioButton>(form, "optDockWndWin")->isChecked());
    main->DS->setDockWindowStyle(5);
    click(form, "cmdDockWndApply");
    EXPECT_EQ(main->DS->dockWindowStyle(), 5);
    form.accept();
    EXPECT_EQ(setting("UIDockWndStyle"), "Motif");
}

TEST_F(FrmStylesTest, OnlyOkTakesTheVisualStyleBoxAndNoFileIsTouched) {
    const QStringList before = programFiles();
    {
        frmStyles form;
        widget<QCheckBox>(form, "chkUseWinXpVisuals")->click();
        form.reject();
    }
    EXPECT_EQ(setting("UseWinXPVisuals"), "1");
    {
        frmStyles form;
        widget<QCheckBox>(form, "chkUseWinXpVisuals")->click();
        click(form, "OKButton");
        EXPECT_EQ(form.result(), QDialog::Accepted);
    }
    EXPECT_EQ(setting("UseWinXPVisuals"), "0");
    EXPECT_EQ(programFiles(), before);
}

TEST_F(FrmStylesTest, TheVisualStyleSettingZeroGivesTheClassicWidgetStyle) {
    const QString before = QApplication::style()->name();
    store("UseWinXPVisuals", "1");
    ApplyVisualStyleSetting();
    EXPECT_EQ(QApplication::style()->name(), before);
    store("UseWinXPVisuals", "0");
    ApplyVisualStyleSetting();
    EXPECT_EQ(QApplication::style()->name().toLower(), "windows");
    QApplication::setStyle(before);
}
