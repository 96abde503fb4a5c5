#include "settings/frmColors.h"

#include "settings/ColorStyleTags.h"
#include "settings/ColourBox.h"
#include "settings/DialogControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

using dialogcontrols::button;
using dialogcontrols::check;

namespace {

constexpr int kLabelRows = 11;
constexpr int kColumnWidth = 170;
constexpr int kRowPitch = 26;
constexpr int kMargin = 22;

QString indexed(const char* name, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

ColourBox* colourBox(QWidget* parent, const QString& name) {
    auto* made = new ColourBox(parent);
    made->setObjectName(name);
    return made;
}

// The marker beside the selected text label: a small filled circle.
QLabel* marker(QWidget* parent) {
    auto* made = new QLabel(QStringLiteral("\u25CF"), parent);
    made->setObjectName(QStringLiteral("Krugce"));
    QPalette palette = made->palette();
    palette.setColor(QPalette::WindowText, QColor(220, 0, 0));
    made->setPalette(palette);
    return made;
}

QStringList fontFamilies() {
    QStringList names;
    for (const QString& family : QFontDatabase::families()) {
        const QString name = family.trimmed();
        if (!name.isEmpty())
            names.append(name);
    }
    return names;
}

}

void frmColors::buildControls() {
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(buildStylesColumn());
    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SSTab1->addTab(buildTextTab(), QStringLiteral("&Text"));
    SSTab1->addTab(buildColourTab("picMarginColor", MarginColourTags(), picMarginColor, false), QStringLiteral("&Margins"));
    SSTab1->addTab(buildColourTab("picOtherColor", OtherColourTags(), picOtherColor, true), QStringLiteral("&Other"));
    layout->addWidget(SSTab1, 1);
}

QWidget* frmColors::buildStylesColumn() {
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("Available styles:"), column));
    lvStyles = new QListWidget(column);
    lvStyles->setObjectName(QStringLiteral("lvStyles"));
    lvStyles->setFixedWidth(190);
    layout->addWidget(lvStyles, 1);
    auto* buttons = new QGridLayout;
    buttons->addWidget(button(column, "cmdAddNew", QStringLiteral("Add &New"), QStringLiteral("Add new style")), 0, 0);
    buttons->addWidget(button(column, "cmdRenameStyle", QStringLiteral("&Rename"), QStringLiteral("Rename selected style")), 0, 1);
    buttons->addWidget(button(column, "cmdDeleteStyle", QStringLiteral("&Delete"), QStringLiteral("Delete selected style")), 1, 0);
    buttons->addWidget(button(column, "cmdSaveStyle", QStringLiteral("&Save Style"), QStringLiteral("Save selected style")), 1, 1);
    buttons->addWidget(button(column, "cmdApplyStyle", QStringLiteral("&Apply this style"),
                              QStringLiteral("Save and Apply this Style to Editor")), 2, 0, 1, 2);
    layout->addLayout(buttons);
    layout->addWidget(new QLabel(QStringLiteral("Style Description :"), column));
    txtOpis = new QLineEdit(column);
    txtOpis->setObjectName(QStringLiteral("txtOpis"));
    txtOpis->setMaxLength(254);
    layout->addWidget(txtOpis);
    chkSeeChanges = check(column, "chkSeeChanges", QStringLiteral("See style changes in the &editor"));
    chkSeeChanges->setEnabled(false);
    layout->addWidget(chkSeeChanges);
    layout->addWidget(button(column, "cmdClose", QStringLiteral("Close")), 0, Qt::AlignRight);
    return column;
}

QWidget* frmColors::buildTextTab() {
    auto* page = new QWidget;
    auto* container = new QWidget(page);
    container->setObjectName(indexed("PicPomosna", 0));
    PicPomosna.push_back(container);
    (new QVBoxLayout(page))->addWidget(container);

    picBack = new QFrame(container);
    picBack->setObjectName(QStringLiteral("picBack"));
    picBack->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picBack->setAutoFillBackground(true);
    picBack->setFixedSize(kMargin + 2 * kColumnWidth, 2 * 8 + kLabelRows * kRowPitch);
    const auto tags = TextStyleTags();
    for (int i = 0; i < int(tags.size()); ++i) {
        auto* label = new StyleLabel(QLatin1String(tags[i].caption), picBack);
        label->setObjectName(indexed("lblText", i));
        label->setProperty("Tag", QLatin1String(tags[i].tag));
        label->setCursor(Qt::PointingHandCursor);
        label->move(kMargin + (i / kLabelRows) * kColumnWidth, 8 + (i % kLabelRows) * kRowPitch);
        lblText.push_back(label);
    }
    Krugce = marker(picBack);

    lblSelected = new QLabel(container);
    lblSelected->setObjectName(QStringLiteral("lblSelected"));
    lblSelected->setMinimumHeight(32);

    auto* options = new QGroupBox(QStringLiteral("Text Options"), container);
    auto* grid = new QGridLayout(options);
    cboFontList = new QComboBox(options);
    cboFontList->setObjectName(QStringLiteral("cboFontList"));
    cboFontList->setEditable(true);
    cboFontList->setInsertPolicy(QComboBox::NoInsert);
    cboFontList->addItems(fontFamilies());
    cboSize = new QComboBox(options);
    cboSize->setObjectName(QStringLiteral("cboSize"));
    cboSize->setEditable(true);
    cboSize->setInsertPolicy(QComboBox::NoInsert);
    cboSize->setValidator(new QIntValidator(0, 255, cboSize));
    for (int size = 6; size <= 16; ++size)
        cboSize->addItem(QString::number(size));
    chkBold = check(options, "chkBold", QStringLiteral("&Bold"));
    chkItalic = check(options, "chkItalic", QStringLiteral("&Italic"));
    chkUnderline = check(options, "chkUnderline", QStringLiteral("&Underline"));
    PicFore = colourBox(options, QStringLiteral("PicFore"));
    grid->addWidget(cboFontList, 0, 0, 1, 2);
    grid->addWidget(cboSize, 0, 2);
    grid->addWidget(chkBold, 1, 0);
    grid->addWidget(chkItalic, 1, 1);
    grid->addWidget(chkUnderline, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Text Fore Color:"), options), 2, 0);
    grid->addWidget(PicFore, 2, 1);
    grid->addWidget(button(options, "cmdApplyFontToAll", QStringLiteral("Apply Font To All"),
                           QStringLiteral("Apply selected font to all types of text in this style")),
                    3, 0, 1, 3);

    picBackground = colourBox(container, QStringLiteral("picBackground"));
    picFunBackground = colourBox(container, QStringLiteral("picFunBackground"));
    auto* backgrounds = new QGridLayout;
    backgrounds->addWidget(new QLabel(QStringLiteral("Background color:"), container), 0, 0);
    backgrounds->addWidget(picBackground, 0, 1);
    backgrounds->addWidget(new QLabel(QStringLiteral("Background in Functions:"), container), 1, 0);
    backgrounds->addWidget(picFunBackground, 1, 1);
    backgrounds->setColumnStretch(2, 1);

    auto* side = new QVBoxLayout;
    side->addWidget(lblSelected);
    side->addWidget(options);
    side->addLayout(backgrounds);
    side->addStretch(1);
    auto* layout = new QHBoxLayout(container);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(picBack, 0, Qt::AlignTop);
    layout->addLayout(side, 1);
    return page;
}

QWidget* frmColors::buildColourTab(const char* arrayName, std::span<const ColourTag> tags, std::vector<TaggedBox>& boxes,
                                   bool twoColumns) {
    auto* page = new QWidget;
    auto* container = new QWidget(page);
    container->setObjectName(indexed("PicPomosna", int(PicPomosna.size())));
    PicPomosna.push_back(container);
    (new QVBoxLayout(page))->addWidget(container);
    auto* grid = new QGridLayout(container);
    const int rows = twoColumns ? (int(tags.size()) + 1) / 2 : int(tags.size());
    for (int i = 0; i < int(tags.size()); ++i) {
        ColourBox* box = colourBox(container, indexed(arrayName, i));
        box->setProperty("Tag", QLatin1String(tags[i].tag));
        boxes.push_back({box, QLatin1String(tags[i].tag), QLatin1String(tags[i].caption)});
        const int column = (i / rows) * 3;
        grid->addWidget(box, i % rows, column);
        grid->addWidget(new QLabel(QLatin1String(tags[i].caption), container), i % rows, column + 1);
    }
    grid->setColumnMinimumWidth(2, 24);
    grid->setColumnStretch(twoColumns ? 5 : 2, 1);
    grid->setRowStretch(rows, 1);
    return page;
}
