#include "aids/FindDialog.h"

#include "aids/RecentFindTexts.h"
#include "editor/CurrentView.h"
#include "editor/CurrentWord.h"
#include "editor/SciWrappers.h"
#include "editor/frmDoc.h"
#include "foundation/Twips.h"
#include "foundation/errors/ErrorLog.h"
#include "platform/AnsiText.h"
#include "platform/Host.h"
#include "platform/SettingsStore.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

namespace {

const QString kSection = QStringLiteral("FindOptions");
const QString kFindCaption = QStringLiteral("&Find");
const QString kFindNextCaption = QStringLiteral("&Find Next");
const QString kReplaceClosed = QStringLiteral("&Replace...");
const QString kReplaceOpen = QStringLiteral("&Replace");

// Twips of the two layouts: the lower part's top and the form's height.
constexpr int kPicBoxTopClosed = 420;
constexpr int kFormHeightClosed = 2430;
constexpr int kPicBoxTopOpen = 860;
constexpr int kFormHeightOpen = 2800;
constexpr int kFormWidth = 7200;
constexpr int kPicBoxHeight = 1560;
// What the title bar and borders take of the form's height.
constexpr int kFrameHeight = 360;
constexpr int kLongestProposedText = 300;

QPointer<FrmFind>& loadedDialog() {
    static QPointer<FrmFind> dialog;
    return dialog;
}

void place(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(twips::toPixels(widget, QRect(left, top, width, height)));
}

// Enter on a button that has the focus presses it, as on a desktop dialog;
// elsewhere Enter presses "&Find".
QPushButton* button(QWidget* parent, const QString& caption) {
    auto* made = new QPushButton(caption, parent);
    made->setAutoDefault(true);
    return made;
}

int settingValue(const char* key, int defaultValue) {
    return platform::GetSetting(kSection, QLatin1String(key), QString::number(defaultValue)).toInt();
}

int checkedIndex(const auto& options) {
    for (int index = 0; index < int(options.size()); ++index)
        if (options[index]->isChecked())
            return index;
    return 0;
}

}

FrmFind::FrmFind(QWidget* owner) : QDialog(owner) {
    setWindowTitle(QStringLiteral(" Find"));
    BuildControls();
    engine_.SequenceChanged = [this] { ShowSequence(); };
    engine_.MatchShown = [this](long start, long end, bool interactive) {
        if (isVisible())
            activateWindow();
        if (interactive)
            RepositionDialog(start, end);
    };
    Form_Load();
}

void FrmFind::BuildControls() {
    lblFind = new QLabel(QStringLiteral("Find :"), this);
    place(lblFind, 120, 165, 1260, 255);
    cboFind = new QComboBox(this);
    cboFind->setEditable(true);
    cboFind->setInsertPolicy(QComboBox::NoInsert);
    place(cboFind, 1440, 120, 3300, 315);
    cmdInsertWordUnderCursor = button(this, QStringLiteral(">>"));
    cmdInsertWordUnderCursor->setToolTip(QStringLiteral("Insert word under cursor"));
    place(cmdInsertWordUnderCursor, 4800, 120, 420, 315);
    cmdFind = button(this, kFindCaption);
    cmdFind->setDefault(true);
    place(cmdFind, 5400, 120, 1680, 315);

    lblReplace = new QLabel(QStringLiteral("Replace &with"), this);
    place(lblReplace, 120, 585, 1260, 255);
    cboReplace = new QComboBox(this);
    cboReplace->setEditable(true);
    cboReplace->setInsertPolicy(QComboBox::NoInsert);
    lblReplace->setBuddy(cboReplace);
    place(cboReplace, 1440, 540, 3300, 315);
    cmdReplaceAll = button(this, QStringLiteral("Replace All"));
    place(cmdReplaceAll, 5400, 540, 1680, 315);

    PicBox = new QWidget(this);
    Frame2 = new QGroupBox(QStringLiteral("Start at"), PicBox);
    place(Frame2, 120, 60, 1380, 900);
    optStartAt = {new QRadioButton(QStringLiteral("&Top"), Frame2), new QRadioButton(QStringLiteral("Cu&rsor"), Frame2)};
    for (int index = 0; index < 2; ++index)
        place(optStartAt[index], 120, 240 + 300 * index, 1260, 255);
    Frame3 = new QGroupBox(QStringLiteral("Search In"), PicBox);
    place(Frame3, 1620, 60, 3600, 900);
    optSearchIn = {new QRadioButton(QStringLiteral("&Current File"), Frame3),
                   new QRadioButton(QStringLiteral("Current &Project"), Frame3),
                   new QRadioButton(QStringLiteral("&All Files"), Frame3), new QRadioButton(QStringLiteral("&Selection"), Frame3)};
    for (int index = 0; index < 4; ++index)
        place(optSearchIn[index], 120 + 1860 * (index / 2), 240 + 300 * (index % 2), 1740, 255);
    chkMatchCase = new QCheckBox(QStringLiteral("Match case"), PicBox);
    place(chkMatchCase, 120, 1020, 2400, 255);
    chkWholeWord = new QCheckBox(QStringLiteral("Whole word only"), PicBox);
    place(chkWholeWord, 120, 1290, 2400, 255);
    chkWordStart = new QCheckBox(QStringLiteral("Match word start"), PicBox);
    place(chkWordStart, 2640, 1020, 2400, 255);
    chkRegExp = new QCheckBox(QStringLiteral("Use regular e&xp."), PicBox);
    place(chkRegExp, 2640, 1290, 2400, 255);
    cmdFindPrev = button(PicBox, QStringLiteral("<<"));
    cmdFindPrev->setToolTip(QStringLiteral("Find Previous from cursor"));
    place(cmdFindPrev, 5400, 0, 1680, 315);
    cmdMarkAll = button(PicBox, QStringLiteral("Find && &Mark All"));
    place(cmdMarkAll, 5400, 390, 1680, 315);
    cmdReplace = button(PicBox, kReplaceClosed);
    place(cmdReplace, 5400, 780, 1680, 315);
    cmdCancel = button(PicBox, QStringLiteral("Close"));
    place(cmdCancel, 5400, 1170, 1680, 315);

    connect(cmdFind, &QPushButton::clicked, this, &FrmFind::cmdFind_Click);
    connect(cmdFindPrev, &QPushButton::clicked, this, &FrmFind::cmdFindPrev_Click);
    connect(cmdMarkAll, &QPushButton::clicked, this, &FrmFind::cmdMarkAll_Click);
    connect(cmdReplace, &QPushButton::clicked, this, &FrmFind::cmdReplace_Click);
    connect(cmdReplaceAll, &QPushButton::clicked, this, &FrmFind::cmdReplaceAll_Click);
    connect(cmdInsertWordUnderCursor, &QPushButton::clicked, this, &FrmFind::cmdInsertWordUnderCursor_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &FrmFind::cmdCancel_Click);
    connect(cboFind, &QComboBox::editTextChanged, this, &FrmFind::OptionChanged);
    cboFind->lineEdit()->installEventFilter(this);
    for (QRadioButton* option : optStartAt)
        connect(option, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                OptionChanged();
        });
    for (int index = 0; index < 4; ++index)
        connect(optSearchIn[index], &QRadioButton::toggled, this, [this, index](bool on) {
            if (on)
                optSearchIn_Click(index);
        });
    for (QCheckBox* check : {chkMatchCase, chkWholeWord, chkWordStart})
        connect(check, &QCheckBox::toggled, this, &FrmFind::OptionChanged);
    connect(chkRegExp, &QCheckBox::toggled, this, &FrmFind::chkRegExp_Click);

    // Tab walks the dialog in reading order: the two texts, the options, then the buttons.
    const QList<QWidget*> order = {cboFind,         cboReplace,     optStartAt[0],  optStartAt[1],  optSearchIn[0],
                                   optSearchIn[1],  optSearchIn[2], optSearchIn[3], chkMatchCase,   chkWordStart,
                                   chkWholeWord,    chkRegExp,      cmdInsertWordUnderCursor,       cmdFind,
                                   cmdReplaceAll,   cmdFindPrev,    cmdMarkAll,     cmdReplace,     cmdCancel};
    for (int index = 1; index < order.size(); ++index)
        setTabOrder(order[index - 1], order[index]);
}

void FrmFind::FocusFindText() {
    cboFind->setFocus();
    // Typing replaces the proposed text, as in a desktop combo box given the focus.
    cboFind->lineEdit()->selectAll();
}

bool FrmFind::eventFilter(QObject* watched, QEvent* event) {
    if (watched == cboFind->lineEdit() && event->type() == QEvent::FocusOut)
        OptionChanged();
    return QDialog::eventFilter(watched, event);
}

void FrmFind::SetLayout(bool replaceOpen) {
    place(PicBox, 0, replaceOpen ? kPicBoxTopOpen : kPicBoxTopClosed, kFormWidth, kPicBoxHeight);
    setFixedSize(twips::toPixels(this, QRect(0, 0, kFormWidth, (replaceOpen ? kFormHeightOpen : kFormHeightClosed) - kFrameHeight)).size());
    cmdReplace->setText(replaceOpen ? kReplaceOpen : kReplaceClosed);
    lblReplace->setVisible(replaceOpen);
    cboReplace->setVisible(replaceOpen);
    cmdReplaceAll->setVisible(replaceOpen);
}

bool FrmFind::ReplacePartOpen() const {
    return cmdReplace->text() == kReplaceOpen;
}

void FrmFind::Form_Load() {
    gMRUFind.setNumber(5);
    gMRUFind.Load();
    gMRUReplace.setNumber(10);
    gMRUReplace.Load();
    SetLayout(false);
    optStartAt[qBound(0, settingValue("SearchArea", 1), 1)]->setChecked(true);
    optSearchIn[qBound(0, settingValue("SearchIn", 0), 3)]->setChecked(true);
    chkMatchCase->setChecked(settingValue("MatchCase", 0) == 1);
    chkWordStart->setChecked(settingValue("WordStart", 0) == 1);
    chkWholeWord->setChecked(settingValue("WholeWord", 0) == 1);
    chkRegExp->setChecked(settingValue("RegEx", 0) == 1);
    chkRegExp_Click();
    optSearchIn_Click(checkedIndex(optSearchIn));
}

void FrmFind::Form_Unload() {
    platform::SaveSetting(kSection, QStringLiteral("SearchArea"), QString::number(checkedIndex(optStartAt)));
    platform::SaveSetting(kSection, QStringLiteral("SearchIn"), QString::number(checkedIndex(optSearchIn)));
    platform::SaveSetting(kSection, QStringLiteral("MatchCase"), QString::number(int(chkMatchCase->isChecked())));
    platform::SaveSetting(kSection, QStringLiteral("WordStart"), QString::number(int(chkWordStart->isChecked())));
    platform::SaveSetting(kSection, QStringLiteral("WholeWord"), QString::number(int(chkWholeWord->isChecked())));
    platform::SaveSetting(kSection, QStringLiteral("RegEx"), QString::number(int(chkRegExp->isChecked())));
    gMRUFind.Save();
    gMRUReplace.Save();
}

void FrmFind::SyncOptions() {
    FindOptions& options = engine_.Options;
    options.SearchIn = checkedIndex(optSearchIn);
    options.StartAt = checkedIndex(optStartAt);
    options.MatchCase = chkMatchCase->isChecked();
    options.WholeWord = chkWholeWord->isChecked();
    options.WordStart = chkWordStart->isChecked();
    options.RegExp = chkRegExp->isChecked();
    options.FindText = cboFind->currentText();
    options.ReplaceText = cboReplace->currentText();
}

void FrmFind::ShowSequence() {
    cmdFind->setText(engine_.SequenceOpen() ? kFindNextCaption : kFindCaption);
}

void FrmFind::OptionChanged() {
    SyncOptions();
    engine_.OptionsChanged();
}

void FrmFind::optSearchIn_Click(int Index) {
    const bool notSelection = Index != FindOptions::Selection;
    for (QRadioButton* option : optStartAt)
        option->setEnabled(notSelection);
    cmdFindPrev->setEnabled(notSelection && !chkRegExp->isChecked());
    OptionChanged();
}

void FrmFind::chkRegExp_Click() {
    const bool plain = !chkRegExp->isChecked();
    for (QCheckBox* check : {chkWholeWord, chkWordStart, chkMatchCase})
        check->setEnabled(plain);
    cmdFindPrev->setEnabled(plain);
    OptionChanged();
}

void FrmFind::FillFromRecent(QComboBox* box, const ClsMRU& list) {
    for (int index = 1; index <= list.Count(); ++index)
        box->addItem(list.IndexItem(index));
}

void FrmFind::StartFind(bool Replace) {
    try {
        cboFind->clear();
        cboFind->clearEditText();
        QString proposed;
        if (IsEditorActive()) {
            const long selected = long(SciGetSelectionEnd() - SciGetSelectionStart());
            if (selected > 0 && selected < kLongestProposedText)
                proposed = platform::fromAnsi(SciGetSelText());
            else if (selected == 0)
                proposed = GetCurrentWord();
        }
        if (proposed.isEmpty()) {
            if (gMRUFind.Count() > 0)
                proposed = gMRUFind.IndexItem(1);
        } else {
            cboFind->addItem(proposed);
        }
        FillFromRecent(cboFind, gMRUFind);
        cboFind->setEditText(proposed);
        FocusFindText();
        if (optSearchIn[FindOptions::Selection]->isChecked()) {
            for (QRadioButton* option : optStartAt)
                option->setEnabled(false);
            cmdFindPrev->setEnabled(false);
        }
        if (Replace)
            cmdReplace_Click();
    } catch (...) {
        SetErrorLog(QStringLiteral("StartFind"), QStringLiteral("frmFind"));
    }
}

void FrmFind::cmdFind_Click() {
    SyncOptions();
    engine_.FindNext(true);
}

void FrmFind::cmdFindPrev_Click() {
    SyncOptions();
    engine_.FindPrevious(true);
}

void FrmFind::cmdMarkAll_Click() {
    SyncOptions();
    engine_.MarkAll();
}

void FrmFind::cmdReplaceAll_Click() {
    SyncOptions();
    engine_.ReplaceAll();
}

void FrmFind::cmdReplace_Click() {
    try {
        if (!ReplacePartOpen()) {
            SetLayout(true);
            FillFromRecent(cboReplace, gMRUReplace);
            return;
        }
        SyncOptions();
        engine_.Replace();
    } catch (...) {
        SetErrorLog(QStringLiteral("cmdReplace_Click"), QStringLiteral("frmFind"));
    }
}

void FrmFind::cmdInsertWordUnderCursor_Click() {
    cboFind->clear();
    cboFind->clearEditText();
    const QString word = IsEditorActive() ? GetCurrentWord() : QString();
    if (!word.isEmpty()) {
        gMRUFind.Add(word);
        FillFromRecent(cboFind, gMRUFind);
        cboFind->setEditText(word);
    }
    FocusFindText();
}

void FrmFind::cmdCancel_Click() {
    try {
        hide();
        if (ReplacePartOpen()) {
            SetLayout(false);
            cboReplace->clear();
            cboReplace->clearEditText();
        }
        if (optSearchIn[FindOptions::Selection]->isChecked())
            optSearchIn[FindOptions::CurrentProject]->setChecked(true);
    } catch (...) {
        SetErrorLog(QStringLiteral("cmdCancel_Click"), QStringLiteral("frmFind"));
    }
}

void FrmFind::reject() {
    cmdCancel_Click();
}

void FrmFind::closeEvent(QCloseEvent* event) {
    if (!event->spontaneous())
        return QDialog::closeEvent(event);
    event->ignore();
    cmdCancel_Click();
}

void FrmFind::RepositionDialog(long SelStart, long SelEnd) {
    try {
        if (!IsEditorActive() || !gActiveDoc->Sci)
            return;
        const QPoint view = gActiveDoc->Sci->mapToGlobal(QPoint(0, 0));
        const int perX = twips::perPixelX(this);
        const int perY = twips::perPixelY(this);
        const long y = (long(SciPointYFromPosition(SelStart)) + view.y()) * perY;
        const long x1 = (long(SciPointXFromPosition(SelStart)) + view.x()) * perX;
        const long x2 = (long(SciPointXFromPosition(SelEnd)) + view.x()) * perX;
        const QRect frame = frameGeometry();
        const long left = long(frame.left()) * perX;
        const long width = long(frame.width()) * perX;
        const long top = long(frame.top()) * perY;
        const long height = long(frame.height()) * perY;
        const auto under = [&](long x) { return x > left && x < left + width; };
        if (!under(x1) && !under(x2))
            return;
        if (top - 240 >= y || top + height <= y)
            return;
        const QScreen* shown = screen();
        const long screenHeight = shown ? long(shown->geometry().height()) * perY : 0;
        const long newTop = y <= screenHeight / 2 ? y + 560 : y - 160 - height;
        move(frame.left(), int(newTop / perY));
    } catch (...) {
        SetErrorLog(QStringLiteral("RepositionDialog"), QStringLiteral("frmFind"));
    }
}

namespace frmFind {

bool Loaded() {
    return !loadedDialog().isNull();
}

FrmFind& Instance() {
    if (!loadedDialog())
        loadedDialog() = new FrmFind(platform::host().mainWindow());
    return *loadedDialog();
}

void Hide() {
    if (Loaded())
        loadedDialog()->hide();
}

void Unload() {
    if (!Loaded())
        return;
    FrmFind* dialog = loadedDialog();
    loadedDialog() = nullptr;
    dialog->Form_Unload();
    delete dialog;
}

}
