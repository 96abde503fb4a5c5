#include "settings/frmColors.h"

#include "editor/ActiveDocument.h"
#include "editor/EditorStyles.h"
#include "editor/InstalledFace.h"
#include "foundation/Twips.h"
#include "foundation/errors/ErrorLog.h"
#include "platform/KorvoError.h"
#include "platform/Prompt.h"
#include "platform/SettingsStore.h"
#include "settings/ColourBox.h"
#include "settings/EditorOptionsApply.h"
#include "settings/StyleFolder.h"
#include "settings/StyleIcons.h"
#include "settings/StyleStore.h"
#include "vocabulary/SettingsValues.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>

#include <optional>

using namespace platform;

namespace {

const QString kDefault = QStringLiteral("Default");
const QString kCrLf = QStringLiteral("\r\n");

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

template <typename Body>
void guarded(const char* procedure, Body body) {
    RunReportingErrors(QLatin1String(procedure), QStringLiteral("frmColors"), body);
}

// As the editor shows the slot: its face resolved to an installed one.
QFont slotFont(const ColorStyle& style, int slot) {
    QFont font(InstalledFace(style.FontName[slot]));
    if (style.FontSize[slot] > 0)
        font.setPointSize(style.FontSize[slot]);
    font.setBold(style.Bold[slot] != 0);
    font.setItalic(style.Italic[slot] != 0);
    font.setUnderline(style.Underline[slot] != 0);
    return font;
}

void showBackground(QWidget& widget, long colour) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, QColorOfBgr(colour));
    widget.setPalette(palette);
}

void storeSciStyleName(const QString& name) {
    SciStyleName = name;
    SaveSetting(QStringLiteral("OptionsEdit"), QStringLiteral("SciStyleName"), name);
}

void warn(const QString& text) {
    MsgBox(text, vbExclamation);
}

}

frmColors::frmColors(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmColors"));
    setWindowTitle(QStringLiteral("Color Styles"));
    buildControls();
    connectControls();
    guarded("Form_Load", [this] {
        FillStyleList();
        MarkListed(SciStyleName, SciStyleName);
        editedStyle_ = SciStyleName;
        changed_ = false;
        txtOpis->setText(gStyleDescription);
        ColorControls();
        lblText_Click(0);
        seeChangesEnabled();
        SSTab1->setCurrentIndex(0);
        for (std::size_t page = 0; page < PicPomosna.size(); ++page)
            PicPomosna[page]->setEnabled(page == 0);
    });
}

void frmColors::connectControls() {
    const auto clicked = [this](const char* name, void (frmColors::*slot)()) {
        connect(findChild<QPushButton*>(QLatin1String(name)), &QPushButton::clicked, this, slot);
    };
    clicked("cmdAddNew", &frmColors::NewStyle);
    clicked("cmdRenameStyle", &frmColors::cmdRenameStyle_Click);
    clicked("cmdDeleteStyle", &frmColors::cmdDeleteStyle_Click);
    clicked("cmdSaveStyle", &frmColors::cmdSaveStyle_Click);
    clicked("cmdApplyStyle", &frmColors::cmdApplyStyle_Click);
    clicked("cmdApplyFontToAll", &frmColors::cmdApplyFontToAll_Click);
    connect(findChild<QPushButton*>(QStringLiteral("cmdClose")), &QPushButton::clicked, this, &QDialog::reject);
    connect(lvStyles, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (!listing_ && item)
            lvStyles_ItemClick(item);
    });
    for (int i = 0; i < int(lblText.size()); ++i)
        connect(lblText[i], &StyleLabel::clicked, this, [this, i] { guarded("lblText_Click", [this, i] { lblText_Click(i); }); });
    connect(cboFontList, &QComboBox::activated, this, [this](int index) { fontChosen(cboFontList->itemText(index)); });
    connect(cboFontList->lineEdit(), &QLineEdit::editingFinished, this,
            [this] { cboFontList->setEditText(gColorStyle.FontName[selectedSlot()]); });
    connect(cboSize, &QComboBox::activated, this, [this](int index) { sizeChosen(cboSize->itemText(index)); });
    connect(cboSize->lineEdit(), &QLineEdit::editingFinished, this, [this] {
        if (cboSize->currentText() != QString::number(gColorStyle.FontSize[selectedSlot()]))
            sizeChosen(cboSize->currentText());
    });
    for (QCheckBox* flag : {chkBold, chkItalic, chkUnderline})
        connect(flag, &QCheckBox::clicked, this, [this, flag] { flagClicked(flag); });
    connect(PicFore, &ColourBox::clicked, this, &frmColors::PicFore_Click);
    connect(picBackground, &ColourBox::clicked, this,
            [this] { colourBox_Click(picBackground, &gColorStyle.BackColor[kSlotBackgrounds], QStringLiteral("Background color:")); });
    connect(picFunBackground, &ColourBox::clicked, this,
            [this] { colourBox_Click(picFunBackground, &gColorStyle.ForeColor[kSlotBackgrounds], QStringLiteral("Background in Functions:")); });
    for (auto* boxes : {&picMarginColor, &picOtherColor})
        for (const TaggedBox& tagged : *boxes)
            connect(tagged.box, &ColourBox::clicked, this, [this, tagged] {
                if (long* colour = ColourOfTag(gColorStyle, tagged.tag))
                    colourBox_Click(tagged.box, colour, tagged.caption);
            });
    connect(chkSeeChanges, &QCheckBox::clicked, this, [](bool checked) {
        if (checked)
            ApplyEditorStyles();
    });
    connect(txtOpis, &QLineEdit::textEdited, this, [this] { changed_ = true; });
    connect(SSTab1, &QTabWidget::currentChanged, this, [this](int shown) {
        for (int page = 0; page < int(PicPomosna.size()); ++page)
            PicPomosna[page]->setEnabled(page == shown);
    });
    connect(&activeDocumentNotifier(), &ActiveDocumentNotifier::activeDocumentChanged, this, &frmColors::seeChangesEnabled);
}

void frmColors::seeChangesEnabled() {
    chkSeeChanges->setEnabled(IsEditorActive());
}

int frmColors::selectedSlot() const {
    return TextStyleTags()[selectedLabel_].slot;
}

// The list.

void frmColors::FillStyleList() {
    guarded("ListViewRecurseScan", [this] {
        const QSignalBlocker blocked(lvStyles);
        lvStyles->clear();
        for (const QString& name : StyleNames()) {
            auto* item = new QListWidgetItem(StyleListIcon(QStringLiteral("style")), name, lvStyles);
            item->setData(Qt::UserRole, QStringLiteral("style"));
        }
    });
}

void frmColors::MarkListed(const QString& appliedName, const QString& selectName) {
    listing_ = true;
    for (int row = 0; row < lvStyles->count(); ++row) {
        QListWidgetItem* item = lvStyles->item(row);
        const QString icon = sameName(item->text(), appliedName) ? QStringLiteral("checked") : QStringLiteral("style");
        item->setIcon(StyleListIcon(icon));
        item->setData(Qt::UserRole, icon);
        if (sameName(item->text(), selectName))
            lvStyles->setCurrentItem(item);
    }
    listing_ = false;
}

QString frmColors::selectedStyleName() const {
    const QListWidgetItem* item = lvStyles->currentItem();
    return item ? item->text() : QString();
}

void frmColors::lvStyles_ItemClick(QListWidgetItem* item) {
    guarded("lvStyles_ItemClick", [this, item] {
        if (sameName(item->text(), editedStyle_))
            return;
        AskToSave();
        loadIntoEditor(item->text());
    });
}

void frmColors::loadIntoEditor(const QString& styleName) {
    editedStyle_ = LoadStyle(styleName);
    txtOpis->setText(gStyleDescription);
    ColorControls();
    lblText_Click(0);
    MarkChanged();
    changed_ = false;
}

// Showing the record.

void frmColors::ColorControls() {
    guarded("ColorControls", [this] {
        for (int i = 0; i < int(lblText.size()); ++i)
            showTextLabel(i);
        showBackground(*picBack, gColorStyle.BackColor[kSlotBackgrounds]);
        picBackground->setColour(gColorStyle.BackColor[kSlotBackgrounds]);
        picFunBackground->setColour(gColorStyle.ForeColor[kSlotBackgrounds]);
        for (auto* boxes : {&picMarginColor, &picOtherColor})
            for (const TaggedBox& tagged : *boxes)
                if (const long* colour = ColourOfTag(gColorStyle, tagged.tag))
                    tagged.box->setColour(*colour);
    });
}

void frmColors::showTextLabel(int index) {
    StyleLabel* label = lblText[index];
    const int slot = TextStyleTags()[index].slot;
    label->setFont(slotFont(gColorStyle, slot));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColorOfBgr(gColorStyle.ForeColor[slot]));
    label->setPalette(palette);
    label->adjustSize();
}

void frmColors::lblText_Click(int index) {
    for (StyleLabel* label : lblText)
        label->setSelected(false);
    StyleLabel* label = lblText[index];
    label->setSelected(true);
    Krugce->adjustSize();
    Krugce->move(label->x() - Krugce->width() - 2, label->y() + 80 / twips::perPixelY(this) - Krugce->height() / 4);
    selectedLabel_ = index;
    lblSelected->setText(label->text());
    lblSelected->setFont(label->font());
    const int slot = selectedSlot();
    cboFontList->setEditText(gColorStyle.FontName[slot]);
    cboSize->setEditText(QString::number(gColorStyle.FontSize[slot]));
    chkBold->setChecked(gColorStyle.Bold[slot] != 0);
    chkItalic->setChecked(gColorStyle.Italic[slot] != 0);
    chkUnderline->setChecked(gColorStyle.Underline[slot] != 0);
    PicFore->setColour(gColorStyle.ForeColor[slot]);
}

// Editing.

void frmColors::UpdateSelected() {
    guarded("UpdateSelected", [this] {
        showTextLabel(selectedLabel_);
        lblSelected->setFont(lblText[selectedLabel_]->font());
        MarkChanged();
    });
}

void frmColors::fontChosen(const QString& name) {
    gColorStyle.FontName[selectedSlot()] = name;
    UpdateSelected();
}

void frmColors::sizeChosen(const QString& text) {
    bool isNumber = false;
    const int size = text.toInt(&isNumber);
    const int slot = selectedSlot();
    if (isNumber && size >= 0 && size <= 255) {
        gColorStyle.FontSize[slot] = static_cast<unsigned char>(size);
        UpdateSelected();
    }
    cboSize->setEditText(QString::number(gColorStyle.FontSize[slot]));
}

void frmColors::flagClicked(QCheckBox* box) {
    const short value = box->isChecked() ? -1 : 0;
    const int slot = selectedSlot();
    (box == chkBold ? gColorStyle.Bold : box == chkItalic ? gColorStyle.Italic : gColorStyle.Underline)[slot] = value;
    UpdateSelected();
}

void frmColors::PicFore_Click() {
    const int slot = selectedSlot();
    if (const std::optional<unsigned> chosen = chooseColour(QStringLiteral("Text Fore Color:"), gColorStyle.ForeColor[slot])) {
        gColorStyle.ForeColor[slot] = *chosen;
        PicFore->setColour(*chosen);
        UpdateSelected();
    }
}

void frmColors::colourBox_Click(ColourBox* box, long* colour, const QString& title) {
    const std::optional<unsigned> chosen = chooseColour(title, *colour);
    if (!chosen)
        return;
    *colour = *chosen;
    box->setColour(*chosen);
    showBackground(*picBack, gColorStyle.BackColor[kSlotBackgrounds]);
    MarkChanged();
}

void frmColors::cmdApplyFontToAll_Click() {
    bool isNumber = false;
    const int size = cboSize->currentText().toInt(&isNumber);
    if (!isNumber || size < 0 || size > 255)
        return;
    for (int slot = 0; slot < kColorStyleSlots; ++slot) {
        gColorStyle.FontName[slot] = cboFontList->currentText();
        gColorStyle.FontSize[slot] = static_cast<unsigned char>(size);
        gColorStyle.Bold[slot] = chkBold->isChecked() ? -1 : 0;
        gColorStyle.Italic[slot] = chkItalic->isChecked() ? -1 : 0;
        gColorStyle.Underline[slot] = chkUnderline->isChecked() ? -1 : 0;
    }
    ColorControls();
    lblSelected->setFont(lblText[selectedLabel_]->font());
    MarkChanged();
}

void frmColors::MarkChanged() {
    changed_ = true;
    if (chkSeeChanges->isChecked())
        ApplyEditorStyles();
}

// The style files.

void frmColors::AskToSave() {
    if (changed_ && MsgBox(QStringLiteral("Style ") + editedStyle_ + QStringLiteral(" has changed.") + kCrLf +
                               QStringLiteral("Do you want to save changes to this style?"),
                           vbYesNo | vbQuestion, QStringLiteral("Save Style")) == vbYes)
        SaveStyle(editedStyle_);
}

bool frmColors::SaveStyle(const QString& styleName) {
    if (!::SaveStyle(styleName, txtOpis->text()))
        return false;
    changed_ = false;
    return true;
}

bool frmColors::refusedName(const QString& name) {
    if (name.isEmpty() || !IsStyleName(name)) {
        warn(QStringLiteral("\"") + name + QStringLiteral("\" can't be a style name !"));
        return true;
    }
    if (!ExistingStyleName(name).isEmpty() || QFileInfo::exists(StylePath(name))) {
        warn(QStringLiteral("Style with this name already exists !"));
        return true;
    }
    return false;
}

void frmColors::NewStyle() {
    guarded("NewStyle", [this] {
        const QString name = InputBox(QStringLiteral("Enter Name For The New Style"), QStringLiteral("New Style Name"),
                                      QStringLiteral("New Style"));
        if (name.isEmpty() || refusedName(name))
            return;
        if (!sameName(editedStyle_, kDefault) &&
            MsgBox(QStringLiteral("Do you want your new style to start with the current style properties ?") + kCrLf +
                       QStringLiteral("(If you choose 'No', style properties will be copied from the default style)"),
                   vbYesNo | vbQuestion) == vbNo) {
            LoadStyle(kDefault);
            txtOpis->setText(gStyleDescription);
        }
        if (!SaveStyle(name))
            return;
        FillStyleList();
        MarkListed(SciStyleName, name);
        ColorControls();
        changed_ = false;
        editedStyle_ = name;
    });
}

void frmColors::cmdRenameStyle_Click() {
    guarded("cmdRenameStyle_Click", [this] {
        const QString selected = selectedStyleName();
        if (selected.isEmpty())
            return;
        const QString name = InputBox(QStringLiteral("Please enter the new name for this style"), QStringLiteral("Rename Style"), selected);
        if (name.isEmpty() || sameName(name, selected) || !QFileInfo::exists(StylePath(selected)) || refusedName(name))
            return;
        if (!QFile::rename(StylePath(selected), StylePath(name)))
            RaiseError(ErrPathFileAccess, QStringLiteral("Path/File access error"));
        if (sameName(selected, SciStyleName))
            storeSciStyleName(name);
        FillStyleList();
        editedStyle_ = name;
        MarkListed(SciStyleName, name);
    });
}

void frmColors::cmdDeleteStyle_Click() {
    guarded("cmdDeleteStyle_Click", [this] {
        const QString selected = selectedStyleName();
        if (selected.isEmpty())
            return;
        if (sameName(selected, kDefault)) {
            warn(QStringLiteral("You can't delete default style !"));
            return;
        }
        if (MsgBox(QStringLiteral("Are you sure you want to delete the style '") + selected + QStringLiteral("' ?"),
                   vbYesNo | vbQuestion) != vbYes ||
            !QFileInfo::exists(StylePath(selected)))
            return;
        if (!QFile::remove(StylePath(selected)))
            RaiseError(ErrPathFileAccess, QStringLiteral("Path/File access error"));
        if (sameName(selected, SciStyleName))
            storeSciStyleName(kDefault);
        FillStyleList();
        loadIntoEditor(kDefault);
        MarkListed(SciStyleName, kDefault);
    });
}

void frmColors::cmdSaveStyle_Click() {
    const QString selected = selectedStyleName();
    if (!selected.isEmpty())
        SaveStyle(selected);
}

void frmColors::cmdApplyStyle_Click() {
    guarded("cmdApplyStyle_Click", [this] {
        const QString selected = selectedStyleName();
        if (selected.isEmpty())
            return;
        ApplyColourStyleToEveryEditor();
        SaveStyle(selected);
        MarkListed(selected, selected);
        storeSciStyleName(selected);
    });
}

void frmColors::done(int result) {
    if (!closed_) {
        closed_ = true;
        guarded("Form_Unload", [this] {
            AskToSave();
            if (!sameName(editedStyle_, SciStyleName) || changed_)
                LoadStyle(SciStyleName);
            ApplyEditorStyles();
        });
    }
    QDialog::done(result);
}

void ShowColorStylesDialog(QWidget* owner) {
    static QPointer<frmColors> shown;
    if (!shown) {
        shown = new frmColors(owner);
        // A closed editor is gone: the next one starts from the applied style.
        QObject::connect(shown, &QDialog::finished, shown, &QObject::deleteLater);
    }
    shown->show();
    shown->raise();
    shown->activateWindow();
}
