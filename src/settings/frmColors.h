#pragma once

#include "settings/ColorStyleTags.h"

#include <QDialog>

#include <vector>

class StyleLabel;
class ColourBox;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTabWidget;
class QWidget;

// "Color Styles": lists the style files and edits one style at a time in
// the current record (gColorStyle), with a live preview in the active
// editor on request. New, Rename, Delete, Save and Apply work on the style
// files; closing puts the applied style back in the record and the editor.
class frmColors : public QDialog {
    Q_OBJECT
public:
    explicit frmColors(QWidget* parent = nullptr);

    // Asks a name and makes a new style of it.
    void NewStyle();
    // Writes the record and the description box as that style; false when
    // the file could not be written.
    bool SaveStyle(const QString& styleName);

    void done(int result) override;

private:
    struct TaggedBox {
        ColourBox* box;
        QString tag;
        QString caption;
    };

    void buildControls();
    QWidget* buildStylesColumn();
    QWidget* buildTextTab();
    QWidget* buildColourTab(const char* arrayName, std::span<const ColourTag> tags, std::vector<TaggedBox>& boxes,
                            bool twoColumns);
    void connectControls();

    void FillStyleList();
    void MarkListed(const QString& appliedName, const QString& selectName);
    QString selectedStyleName() const;
    void ColorControls();
    void showTextLabel(int index);
    void lblText_Click(int index);
    void UpdateSelected();
    void lvStyles_ItemClick(QListWidgetItem* item);
    void cmdRenameStyle_Click();
    void cmdDeleteStyle_Click();
    void cmdSaveStyle_Click();
    void cmdApplyStyle_Click();
    void cmdApplyFontToAll_Click();
    void fontChosen(const QString& name);
    void sizeChosen(const QString& text);
    void flagClicked(QCheckBox* box);
    void PicFore_Click();
    void colourBox_Click(ColourBox* box, long* colour, const QString& title);
    void MarkChanged();
    void AskToSave();
    bool refusedName(const QString& name);
    void loadIntoEditor(const QString& styleName);
    void seeChangesEnabled();
    int selectedSlot() const;

    QListWidget* lvStyles = nullptr;
    QCheckBox* chkSeeChanges = nullptr;
    QLineEdit* txtOpis = nullptr;
    QTabWidget* SSTab1 = nullptr;
    std::vector<QWidget*> PicPomosna;
    QFrame* picBack = nullptr;
    std::vector<StyleLabel*> lblText;
    QLabel* Krugce = nullptr;
    QLabel* lblSelected = nullptr;
    QComboBox* cboFontList = nullptr;
    QComboBox* cboSize = nullptr;
    QCheckBox* chkBold = nullptr;
    QCheckBox* chkItalic = nullptr;
    QCheckBox* chkUnderline = nullptr;
    ColourBox* PicFore = nullptr;
    ColourBox* picBackground = nullptr;
    ColourBox* picFunBackground = nullptr;
    std::vector<TaggedBox> picMarginColor;
    std::vector<TaggedBox> picOtherColor;

    QString editedStyle_;
    bool changed_ = false;
    int selectedLabel_ = 0;
    bool listing_ = false;
    bool closed_ = false;
};

// The command "Color Styles": shows the editor modeless, owned by the main
// window; a second use brings the open one to the front.
void ShowColorStylesDialog(QWidget* owner);
