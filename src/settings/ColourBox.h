#pragma once

#include <QAbstractButton>

// A box that shows a colour 0x00BBGGRR and is clicked to change it. Its
// text, never drawn, is the colour as eight hex digits.
class ColourBox : public QAbstractButton {
    Q_OBJECT
public:
    explicit ColourBox(QWidget* parent = nullptr);

    void setColour(long colour);
    long colour() const { return colour_; }

    QSize sizeHint() const override { return {40, 20}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    long colour_ = 0;
};

// A caption drawn in its own font and foreground colour, clicked to select
// it; the selected one has a border.
class StyleLabel : public QAbstractButton {
    Q_OBJECT
public:
    explicit StyleLabel(const QString& caption, QWidget* parent = nullptr);

    void setSelected(bool selected);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool selected_ = false;
};

// The colour 0x00BBGGRR as Qt names it.
QColor QColorOfBgr(long colour);
