#pragma once

#include <QColor>
#include <QVariantMap>
#include <QWidget>

class QLineEdit;
class QScrollBar;

// A text box for a whole number between Min and Max, with spin arrows at
// its right edge. Only digits and backspace can be typed; every change of
// the text pulls the number into the range at once, and leaving the box
// does the same for an empty text. The arrows step by SmallChange, a click
// in their track by LargeChange. Enabled (QWidget's) covers the text box,
// the arrows and the Tab order alike; the control's own font is its text
// box's. Sizes and mouse positions are in twips.
class SpinText : public QWidget {
    Q_OBJECT
public:
    explicit SpinText(QWidget* parent = nullptr);

    // An invalid colour is the system's window background or text colour.
    QColor BackColor() const { return backColor_; }
    void setBackColor(const QColor& colour);
    QColor ForeColor() const { return foreColor_; }
    void setForeColor(const QColor& colour);
    int BorderStyle() const;
    void Refresh();
    QLineEdit* TextBox() const { return text1_; }
    short LargeChange() const;
    void setLargeChange(short value);
    bool Locked() const;
    void setLocked(bool value);
    short Min() const { return min_; }
    void setMin(short value);
    short Max() const { return max_; }
    void setMax(short value);
    // 0: no limit. Setting it first resets the text to "0".
    short MaxLength() const;
    void setMaxLength(short value);
    short SmallChange() const;
    void setSmallChange(short value);
    QString Text() const;
    void setText(const QString& text);
    QString ToolTipText() const;
    void setToolTipText(const QString& text);
    // The leading number of the text, 0 when there is none.
    short Value() const;
    float TextWidth(const QString& text) const;
    float TextHeight(const QString& text) const;
    short SelStart() const;
    void setSelStart(short value);
    short SelLength() const;
    void setSelLength(short value);
    QString SelText() const;
    void setSelText(const QString& text);

    // The stored properties, by their names; an absent one takes its default.
    void readProperties(const QVariantMap& bag);
    QVariantMap writeProperties() const;

signals:
    void Click();
    void DblClick();
    // Key codes are Qt's; Shift is 1 Shift + 2 Ctrl + 4 Alt.
    void KeyDown(int KeyCode, int Shift);
    // A character that passed the digit filter; the code the handler leaves
    // is what the text box receives (0 discards it).
    void KeyPress(int& KeyAscii);
    void KeyUp(int KeyCode, int Shift);
    // Button is 1 left, 2 right, 4 middle.
    void MouseDown(int Button, int Shift, float X, float Y);
    void MouseMove(int Button, int Shift, float X, float Y);
    void MouseUp(int Button, int Shift, float X, float Y);
    void Change();
    void Resize();
    void Scroll();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void handleChange();
    void handleSpin(int scrollValue);
    void handleLeave();
    void pullIntoRange(double number);
    void followWithScrollBar();
    void updateScrollRange();
    bool filterKeyPress(QKeyEvent* event);
    void emitMouse(void (SpinText::*signal)(int, int, float, float), const QMouseEvent* event);

    QLineEdit* text1_;
    QScrollBar* vscroll1_;
    QColor backColor_;
    QColor foreColor_;
    short min_ = 0;
    short max_ = 32767;
    bool correcting_ = false;
};
