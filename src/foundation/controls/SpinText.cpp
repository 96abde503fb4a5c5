#include "foundation/controls/SpinText.h"

#include "foundation/Twips.h"
#include "platform/KorvoError.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalBlocker>

#include <cmath>

namespace {

const int kSpinWidth = 255;
const int kQtMaxLength = 32767;

// The number a text starts with, read as the Basic runtime reads it: blanks
// anywhere are skipped, and reading stops at the first character that
// cannot continue a number; 0 when there is none.
double leadingNumber(const QString& text) {
    QString compact = text;
    compact.remove(QRegularExpression(QStringLiteral("[ \\t\\n]")));
    static const QRegularExpression number(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eEdD][+-]?\\d+)?"));
    const QRegularExpressionMatch match = number.match(compact);
    if (!match.hasMatch())
        return 0;
    const double value = match.captured(0).replace(QLatin1Char('d'), QLatin1Char('e')).replace(QLatin1Char('D'), QLatin1Char('e')).toDouble();
    return std::isfinite(value) ? value : 0;
}

bool isNumber(const QString& text, double& value) {
    bool ok = false;
    value = text.toDouble(&ok);
    return ok && std::isfinite(value);
}

bool fitsShort(double value) {
    return value >= -32768.5 && value <= 32767.5;
}

int shiftMask(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}

int buttonMask(Qt::MouseButtons buttons) {
    return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0) |
           (buttons & Qt::MiddleButton ? 4 : 0);
}

}

SpinText::SpinText(QWidget* parent)
    : QWidget(parent), text1_(new QLineEdit(this)), vscroll1_(new QScrollBar(Qt::Vertical, this)) {
    text1_->setObjectName(QStringLiteral("Text1"));
    vscroll1_->setObjectName(QStringLiteral("VScroll1"));
    // The scroll bar holds the negated number, so that its upper arrow,
    // which lowers a scroll bar's value, raises the number.
    updateScrollRange();
    vscroll1_->setValue(0);
    text1_->setText(QStringLiteral("0"));
    text1_->setMouseTracking(true);
    setMouseTracking(true);
    text1_->installEventFilter(this);
    connect(text1_, &QLineEdit::textChanged, this, [this] { handleChange(); });
    connect(vscroll1_, &QScrollBar::valueChanged, this, [this](int value) { handleSpin(value); });
}

// --- properties ------------------------------------------------------------

void SpinText::setBackColor(const QColor& colour) {
    backColor_ = colour;
    QPalette palette = text1_->palette();
    palette.setColor(QPalette::Base, colour.isValid() ? colour : this->palette().color(QPalette::Base));
    text1_->setPalette(palette);
}

void SpinText::setForeColor(const QColor& colour) {
    foreColor_ = colour;
    QPalette palette = text1_->palette();
    palette.setColor(QPalette::Text, colour.isValid() ? colour : this->palette().color(QPalette::Text));
    text1_->setPalette(palette);
}

int SpinText::BorderStyle() const {
    return text1_->hasFrame() ? 1 : 0;
}

void SpinText::Refresh() {
    update();
}

short SpinText::LargeChange() const {
    return short(vscroll1_->pageStep());
}

void SpinText::setLargeChange(short value) {
    vscroll1_->setPageStep(value);
}

bool SpinText::Locked() const {
    return text1_->isReadOnly();
}

void SpinText::setLocked(bool value) {
    text1_->setReadOnly(value);
}

void SpinText::setMin(short value) {
    min_ = value;
    updateScrollRange();
}

void SpinText::setMax(short value) {
    max_ = value;
    updateScrollRange();
}

// A new range leaves the text alone: the next change or leaving the box
// checks it.
void SpinText::updateScrollRange() {
    const QSignalBlocker blocker(vscroll1_);
    vscroll1_->setRange(qMin(-int(max_), -int(min_)), qMax(-int(max_), -int(min_)));
}

short SpinText::MaxLength() const {
    const int length = text1_->maxLength();
    return length >= kQtMaxLength ? 0 : short(length);
}

void SpinText::setMaxLength(short value) {
    text1_->setText(QStringLiteral("0"));
    text1_->setMaxLength(value > 0 ? value : kQtMaxLength);
}

short SpinText::SmallChange() const {
    return short(vscroll1_->singleStep());
}

void SpinText::setSmallChange(short value) {
    vscroll1_->setSingleStep(value);
}

QString SpinText::Text() const {
    return text1_->text();
}

// The same text again is checked all the same: a loaded "0" must meet the
// loaded Min.
void SpinText::setText(const QString& text) {
    if (text == text1_->text())
        handleChange();
    else
        text1_->setText(text);
}

QString SpinText::ToolTipText() const {
    return text1_->toolTip();
}

void SpinText::setToolTipText(const QString& text) {
    text1_->setToolTip(text);
}

short SpinText::Value() const {
    const double number = leadingNumber(text1_->text());
    if (!fitsShort(number))
        RaiseError(ErrOverflow, QStringLiteral("Overflow"));
    return short(twips::roundHalfEven(number));
}

float SpinText::TextWidth(const QString& text) const {
    return float(fontMetrics().size(0, text).width() * twips::perPixelX(this));
}

float SpinText::TextHeight(const QString& text) const {
    return float(fontMetrics().size(0, text).height() * twips::perPixelY(this));
}

short SpinText::SelStart() const {
    return short(text1_->hasSelectedText() ? text1_->selectionStart() : text1_->cursorPosition());
}

void SpinText::setSelStart(short value) {
    text1_->setCursorPosition(value);
}

short SpinText::SelLength() const {
    return short(text1_->selectedText().size());
}

void SpinText::setSelLength(short value) {
    text1_->setSelection(SelStart(), value);
}

QString SpinText::SelText() const {
    return text1_->selectedText();
}

void SpinText::setSelText(const QString& text) {
    text1_->insert(text);
}

// --- stored properties -----------------------------------------------------

void SpinText::readProperties(const QVariantMap& bag) {
    setBackColor(bag.value(QStringLiteral("BackColor")).value<QColor>());
    setForeColor(bag.value(QStringLiteral("ForeColor")).value<QColor>());
    setEnabled(bag.value(QStringLiteral("Enabled"), true).toBool());
    if (bag.contains(QStringLiteral("Font")))
        setFont(bag.value(QStringLiteral("Font")).value<QFont>());
    setLargeChange(short(bag.value(QStringLiteral("LargeChange"), 1).toInt()));
    setLocked(bag.value(QStringLiteral("Locked"), false).toBool());
    setMin(short(bag.value(QStringLiteral("Min"), 0).toInt()));
    setMax(short(bag.value(QStringLiteral("Max"), 32767).toInt()));
    const int maxLength = bag.value(QStringLiteral("MaxLength"), 0).toInt();
    text1_->setMaxLength(maxLength > 0 ? maxLength : kQtMaxLength);
    setSmallChange(short(bag.value(QStringLiteral("SmallChange"), 1).toInt()));
    setText(bag.value(QStringLiteral("Text"), QStringLiteral("0")).toString());
    setToolTipText(bag.value(QStringLiteral("ToolTipText")).toString());
}

QVariantMap SpinText::writeProperties() const {
    return {
        {QStringLiteral("BackColor"), backColor_},
        {QStringLiteral("ForeColor"), foreColor_},
        {QStringLiteral("Enabled"), isEnabledTo(parentWidget())},
        {QStringLiteral("Font"), font()},
        {QStringLiteral("LargeChange"), LargeChange()},
        {QStringLiteral("Locked"), Locked()},
        {QStringLiteral("Min"), min_},
        {QStringLiteral("Max"), max_},
        {QStringLiteral("MaxLength"), MaxLength()},
        {QStringLiteral("SmallChange"), SmallChange()},
        {QStringLiteral("Text"), Text()},
        {QStringLiteral("ToolTipText"), ToolTipText()},
    };
}

// --- behaviour -------------------------------------------------------------

void SpinText::handleChange() {
    const QString text = text1_->text();
    if (!text.isEmpty() && !correcting_)
        pullIntoRange(leadingNumber(text));
    followWithScrollBar();
    emit Change();
}

// Rewriting the text runs the change handling once more; that pass leaves
// the range alone, so a range with Min above Max cannot bounce for ever.
void SpinText::pullIntoRange(double number) {
    QString corrected;
    if (number < min_)
        corrected = QString::number(min_);
    else if (number > max_)
        corrected = QString::number(max_);
    else
        return;
    correcting_ = true;
    text1_->setText(corrected);
    correcting_ = false;
}

void SpinText::followWithScrollBar() {
    double number = 0;
    if (isNumber(text1_->text(), number) && fitsShort(number))
        vscroll1_->setValue(-twips::roundHalfEven(number));
}

void SpinText::handleSpin(int scrollValue) {
    text1_->setText(QString::number(-scrollValue));
    emit Scroll();
}

void SpinText::handleLeave() {
    pullIntoRange(leadingNumber(text1_->text()));
    followWithScrollBar();
}

bool SpinText::filterKeyPress(QKeyEvent* event) {
    emit KeyDown(event->key(), shiftMask(event->modifiers()));
    const QString typed = event->text();
    if (typed.size() != 1 || !(typed[0].isPrint() || typed[0] == QLatin1Char('\b')))
        return false;
    const int original = typed[0].unicode();
    static const QString allowed = QStringLiteral("\b1234567890");
    int keyAscii = allowed.contains(typed[0]) ? original : 0;
    emit KeyPress(keyAscii);
    if (keyAscii == original)
        return false;
    if (keyAscii == 8 && !text1_->isReadOnly())
        text1_->backspace();
    else if (keyAscii != 0 && !text1_->isReadOnly())
        text1_->insert(QString(QChar(keyAscii)));
    return true;
}

bool SpinText::eventFilter(QObject* watched, QEvent* event) {
    if (watched != text1_)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress:
        return filterKeyPress(static_cast<QKeyEvent*>(event));
    case QEvent::KeyRelease: {
        const auto* key = static_cast<QKeyEvent*>(event);
        emit KeyUp(key->key(), shiftMask(key->modifiers()));
        return false;
    }
    case QEvent::FocusIn:
        text1_->setSelection(0, int(text1_->text().size()));
        return false;
    case QEvent::FocusOut:
        handleLeave();
        return false;
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            emit Click();
        return false;
    case QEvent::MouseButtonDblClick:
        emit DblClick();
        return false;
    case QEvent::MouseMove:
        emitMouse(&SpinText::MouseMove, static_cast<QMouseEvent*>(event));
        return false;
    default:
        return false;
    }
}

void SpinText::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    text1_->setGeometry(rect());
    const int width = text1_->width() * twips::perPixelX(this);
    const int height = text1_->height() * twips::perPixelY(this);
    vscroll1_->setGeometry(twips::toPixels(this, QRect(width - kSpinWidth - 20, 30, kSpinWidth, height - 60)));
    emit Resize();
}

void SpinText::emitMouse(void (SpinText::*signal)(int, int, float, float), const QMouseEvent* event) {
    const int button = buttonMask(event->type() == QEvent::MouseMove ? event->buttons() : Qt::MouseButtons(event->button()));
    emit (this->*signal)(button, shiftMask(event->modifiers()), float(event->position().x() * twips::perPixelX(this)),
                         float(event->position().y() * twips::perPixelY(this)));
}

void SpinText::mousePressEvent(QMouseEvent* event) {
    emitMouse(&SpinText::MouseDown, event);
}

void SpinText::mouseMoveEvent(QMouseEvent* event) {
    emitMouse(&SpinText::MouseMove, event);
}

void SpinText::mouseReleaseEvent(QMouseEvent* event) {
    emitMouse(&SpinText::MouseUp, event);
}
