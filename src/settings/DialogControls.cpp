#include "settings/DialogControls.h"

#include "foundation/controls/SpinText.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

namespace dialogcontrols {

QCheckBox* check(QWidget* parent, const char* name, const QString& caption) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

QRadioButton* option(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new QRadioButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, const QString& tip) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setToolTip(tip);
    b->setAutoDefault(false);
    return b;
}

QLineEdit* line(QWidget* parent, const char* name) {
    auto* text = new QLineEdit(parent);
    text->setObjectName(QLatin1String(name));
    return text;
}

QToolButton* browseButton(QWidget* parent, const char* name) {
    auto* b = new QToolButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setText(QStringLiteral("..."));
    return b;
}

QHBoxLayout* row(std::initializer_list<QWidget*> widgets) {
    auto* layout = new QHBoxLayout;
    for (QWidget* w : widgets)
        layout->addWidget(w);
    layout->addStretch();
    return layout;
}

QGroupBox* frame(QWidget* parent, const QString& caption) {
    return new QGroupBox(caption, parent);
}

QLabel* label(QWidget* parent, const QString& caption) {
    return new QLabel(caption, parent);
}

SpinText* spin(QWidget* parent, const char* name, short min, short max, short step) {
    auto* box = new SpinText(parent);
    box->setObjectName(QLatin1String(name));
    box->setMin(min);
    box->setMax(max);
    box->setSmallChange(step);
    box->setLargeChange(step);
    box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 28);
    return box;
}

QString state(const QCheckBox* box) {
    return box->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
}

}
