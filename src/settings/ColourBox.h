#pragma once

#include <QFrame>
#include <QLabel>

// A box that shows a colour 0x00BBGGRR as its background and reports clicks.
class ColourBox : public QFrame {
    Q_OBJECT
public:
    explicit ColourBox(QWidget* parent = nullptr);

    void setColour(long colour);
    long colour() const { return colour_; }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    long colour_ = 0;
};

// A label that reports clicks.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

// The colour 0x00BBGGRR as Qt names it.
QColor QColorOfBgr(long colour);
