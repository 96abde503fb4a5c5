#pragma once

#include <QString>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;
class SpinText;

// The option dialogs' controls, each made with the object name that the
// dialog's handlers, the tests and korvo-dump address it by.
namespace dialogcontrols {

QCheckBox* check(QWidget* parent, const char* name, const QString& caption);
QRadioButton* option(QWidget* parent, const char* name, const QString& caption);
QPushButton* button(QWidget* parent, const char* name, const QString& caption, const QString& tip = QString());
QLineEdit* line(QWidget* parent, const char* name);
QGroupBox* frame(QWidget* parent, const QString& caption);
QLabel* label(QWidget* parent, const QString& caption);
// A spin box for whole numbers from min to max, stepping by step.
SpinText* spin(QWidget* parent, const char* name, short min, short max, short step = 1);

// A check box's state as the store keeps it: "0" or "1".
QString state(const QCheckBox* box);

}
