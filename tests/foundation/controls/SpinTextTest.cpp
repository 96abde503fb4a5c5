#include "foundation/controls/SpinText.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>

#include <gtest/gtest.h>

namespace {

class SpinTextTest : public ::testing::Test {
protected:
    void SetUp() override {
        spin = new SpinText(&host);
        spin->setGeometry(0, 0, 60, 20);
        QObject::connect(spin, &SpinText::Change, [this] { events << "Change"; });
        QObject::connect(spin, &SpinText::Scroll, [this] { events << "Scroll"; });
        host.show();
    }

    void key(Qt::Key code, const QString& text) {
        QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier, text);
        QApplication::sendEvent(spin->TextBox(), &press);
        QKeyEvent release(QEvent::KeyRelease, code, Qt::NoModifier, text);
        QApplication::sendEvent(spin->TextBox(), &release);
    }
    void type(const QString& digits) {
        for (const QChar c : digits)
            key(Qt::Key(c.unicode()), QString(c));
    }
    void backspace() { key(Qt::Key_Backspace, "\b"); }
    void leave() {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(spin->TextBox(), &out);
    }
    QScrollBar* arrows() const { return spin->findChild<QScrollBar*>("VScroll1"); }

    QWidget host;
    SpinText* spin = nullptr;
    QStringList events;
};

}

TEST_F(SpinTextTest, TypedNumbersArePulledIntoTheRangeAtOnce) {
    spin->readProperties({{"Min", 1}, {"Max", 30}, {"Text", "0"}});
    EXPECT_EQ(spin->Text(), "1");
    spin->TextBox()->end(false);
    backspace();
    EXPECT_EQ(spin->Text(), "");
    type("4");
    EXPECT_EQ(spin->Text(), "4");
    type("5");
    EXPECT_EQ(spin->Text(), "30");
    EXPECT_EQ(spin->Value(), 30);

    arrows()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(spin->Text(), "30");
    arrows()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(spin->Text(), "29");

    spin->TextBox()->selectAll();
    backspace();
    type("0");
    EXPECT_EQ(spin->Text(), "1");

    spin->TextBox()->selectAll();
    backspace();
    leave();
    EXPECT_EQ(spin->Text(), "1");
}

TEST_F(SpinTextTest, OnlyDigitsAndBackspaceCanBeTyped) {
    spin->setText("");
    type("a-.");
    key(Qt::Key_Return, "\r");
    key(Qt::Key_Space, " ");
    EXPECT_EQ(spin->Text(), "");
    type("12");
    backspace();
    type("9");
    EXPECT_EQ(spin->Text(), "19");

    // What a KeyPress handler leaves is what the box receives.
    QObject::connect(spin, &SpinText::KeyPress, [](int& keyAscii) { keyAscii = keyAscii == '5' ? '7' : keyAscii; });
    type("5");
    EXPECT_EQ(spin->Text(), "197");
}

TEST_F(SpinTextTest, ArrowsAndTypingRaiseChangeAndScroll) {
    spin->setText("");
    type("0");
    type("7");
    EXPECT_EQ(spin->Text(), "7");
    events.clear();
    arrows()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(spin->Text(), "8");
    EXPECT_EQ(events, QStringList({"Change", "Scroll"}));

    spin->setMin(100);
    spin->setText("150");
    spin->setText("");
    events.clear();
    type("5");
    EXPECT_EQ(spin->Text(), "100");
    EXPECT_EQ(events.count("Change"), 2);
    EXPECT_EQ(events.count("Scroll"), 1);

    spin->setMaxLength(3);
    EXPECT_EQ(spin->Text(), "100");
    EXPECT_EQ(spin->MaxLength(), 3);
}

TEST_F(SpinTextTest, AStoredDisabledStateDisablesTheArrowsToo) {
    spin->readProperties({{"Enabled", false}, {"Min", 2}, {"Max", 9}, {"Text", "5"}, {"ToolTipText", "Tab width"}});
    EXPECT_FALSE(spin->TextBox()->isEnabled());
    EXPECT_FALSE(arrows()->isEnabled());
    EXPECT_EQ(spin->Text(), "5");

    const QVariantMap stored = spin->writeProperties();
    EXPECT_EQ(stored.size(), 12);
    SpinText copy(&host);
    copy.readProperties(stored);
    EXPECT_FALSE(copy.isEnabled());
    EXPECT_EQ(copy.Min(), 2);
    EXPECT_EQ(copy.Max(), 9);
    EXPECT_EQ(copy.Text(), "5");
    EXPECT_EQ(copy.ToolTipText(), "Tab width");

    copy.setEnabled(true);
    EXPECT_TRUE(copy.findChild<QScrollBar*>("VScroll1")->isEnabled());
    EXPECT_TRUE(copy.TextBox()->isEnabled());
}

TEST_F(SpinTextTest, AnInvertedRangeSettlesInsteadOfBouncing) {
    spin->setMin(10);
    spin->setMax(5);
    spin->setText("7");
    EXPECT_EQ(spin->Text(), "10");
    leave();
    EXPECT_EQ(spin->Text(), "5");
}
