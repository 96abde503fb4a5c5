#pragma once

#include <QString>

#include <initializer_list>

class QCheckBox;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;
class QWidget;
class SpinText;

// The option dialogs' controls, each made with the object name that the
// dialog's handlers, the tests and korvo-dump address it by.
namespace dialogcontrols {

QCheckBox* check(QWidget* parent, const char* name, const QString& caption);
QRadioButton* option(QWidget* parent, const char* name, const QString& caption);
QPushButton* button(QWidget* parent, const char* name, const QString& caption, const QString& tip = QString());
QLineEdit* line(QWidget* parent, const char* name);
// The small "..." button beside a path box.
QToolButton* browseButton(QWidget* parent, const char* name);
QGroupBox* frame(QWidget* parent, const QString& caption);
QLabel* label(QWidget* parent, const QString& caption);
// A spin box for whole numbers from min to max, stepping by step.
SpinText* spin(QWidget* parent, const char* name, short min, short max, short step = 1);

// The widgets side by side, from the left.
QHBoxLayout* row(std::initializer_list<QWidget*> widgets);

// A check box's state as the store keeps it: "0" or "1".
QString state(const QCheckBox* box);

}
