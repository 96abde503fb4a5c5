#include "foundation/controls/Splitter.h"

#include "foundation/Twips.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace {

const QColor kDefaultSplitterColor(64, 64, 64);

}

Splitter::Splitter(QWidget* parent) : QFrame(parent), bar_(new QFrame(this)) {
    bar_->setObjectName(QStringLiteral("picSplitter"));
    bar_->setAutoFillBackground(true);
    bar_->setFocusPolicy(Qt::ClickFocus);
    bar_->installEventFilter(this);
    setBarLook(QColor(), 0);

    setBorderStyle(0);
    setSplitterAppearance(1);
    setSplitterBorder(1);
    setSplitterColor(kDefaultSplitterColor);
    setOrientation(0);
    setSplitterSize(75);
    setMaintain(1);
    setSplitterPos(ratioToPos(splitLength(), 0.5f));
    setRatioFromTop(0.5f);
    setChild1(QString());
    setChild2(QString());
    setMaxSize(0);
    setMaxSizeAppliesTo(0);
    setMinSize1(255);
    setMinSize2(255);
    setMinSizeAux(255);
    setAllowResize(true);
    setLiveUpdate(true);
    placeEnabled_ = true;
    placeChildren();
}

// --- measures --------------------------------------------------------------

int Splitter::clientWidth() const {
    return contentsRect().width() * twips::perPixelX(this);
}

int Splitter::clientHeight() const {
    return contentsRect().height() * twips::perPixelY(this);
}

int Splitter::splitLength() const {
    switch (orientation_) {
    case 0: return clientWidth();
    case 1: return clientHeight();
    default: return 0;
    }
}

int Splitter::crossSize() const {
    int cross = 0;
    switch (orientation_) {
    case 0: cross = clientHeight(); break;
    case 1: cross = clientWidth(); break;
    default: return 0;
    }
    return cross > minSizeAux_ ? cross : minSizeAux_;
}

float Splitter::posToRatio(int length, int pos) const {
    if (length < 1)
        return 0;
    return float(double(pos) + splitterSize_ / 2) / float(length);
}

int Splitter::ratioToPos(int length, float ratio) const {
    return twips::roundHalfEven(double(ratio) * length - splitterSize_ / 2);
}

// The one place where the pane limits apply. The minimums win over MaxSize,
// and MinSize1 wins when both minimums do not fit.
int Splitter::clampPos(int length, int pos) const {
    if (length <= minTotal_)
        return minSize1_;
    qint64 p = qMax(0, pos);
    if (p + splitterSize_ > length)
        p = qint64(length) - splitterSize_;
    if (maxSize_ > 0) {
        if (maxSizeAppliesTo_ == 0) {
            if (p > maxSize_)
                p = maxSize_;
        } else if (maxSizeAppliesTo_ == 1) {
            const qint64 limit = qint64(length) - maxSize_ - splitterSize_;
            if (p < limit)
                p = limit;
        }
    }
    if (p <= minSize1_)
        return minSize1_;
    if (p + splitterSize_ <= qint64(length) - minSize2_)
        return int(p);
    return int(qint64(length) - minSize2_ - splitterSize_);
}

void Splitter::recomputeMinTotal() {
    minTotal_ = int(qMin<qint64>(qint64(minSize1_) + splitterSize_ + minSize2_, INT_MAX));
}

int Splitter::CurrSplitterPos() const {
    switch (orientation_) {
    case 0: return barTwips_.left();
    case 1: return barTwips_.top();
    default: return 0;
    }
}

// --- properties ------------------------------------------------------------

void Splitter::setBorderStyle(int value) {
    borderStyle_ = value;
    setFrameStyle(value == 1 ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
    handleResize();
}

void Splitter::setOrientation(int value) {
    const int remembered = CurrSplitterPos();
    orientation_ = value;
    if (value == 0)
        bar_->setCursor(Qt::SizeHorCursor);
    else if (value == 1)
        bar_->setCursor(Qt::SizeVerCursor);
    if (maintain_ == 0)
        setCurrPos(remembered);
    handleResize();
}

void Splitter::setSplitterSize(int value) {
    splitterSize_ = qMax(0, value);
    recomputeMinTotal();
    handleResize();
}

void Splitter::setMaintain(int value) {
    maintain_ = value;
    applyMaintain();
}

// SplitterPos and RatioFromTop describe one desired position: setting one
// sets the other, and the busy flags stop the pair from recursing.
void Splitter::setSplitterPos(int value) {
    if (busy_ & SettingPos)
        return;
    busy_ |= SettingPos;
    splitterPos_ = qMax(0, value);
    if (!(busy_ & SettingRatio)) {
        setRatioFromTop(posToRatio(splitLength(), splitterPos_));
        setCurrPos(splitterPos_);
    }
    busy_ &= ~SettingPos;
}

void Splitter::setRatioFromTop(float value) {
    if (busy_ & SettingRatio)
        return;
    busy_ |= SettingRatio;
    ratioFromTop_ = qBound(0.0f, value, 1.0f);
    if (!(busy_ & SettingPos)) {
        setSplitterPos(ratioToPos(splitLength(), ratioFromTop_));
        setCurrRatio(ratioFromTop_);
    }
    busy_ &= ~SettingRatio;
}

void Splitter::setChild1(const QString& name) {
    child1_ = name;
    placeChildren();
}

void Splitter::setChild2(const QString& name) {
    child2_ = name;
    placeChildren();
}

void Splitter::setMaxSize(int value) {
    value = qMax(0, value);
    if (value > 0 && maxSizeAppliesTo_ == 0)
        value = qMax(value, minSize1_);
    else if (value > 0 && maxSizeAppliesTo_ == 1)
        value = qMax(value, minSize2_);
    maxSize_ = value;
    applyMaintain();
}

void Splitter::setMaxSizeAppliesTo(int value) {
    maxSizeAppliesTo_ = value;
    applyMaintain();
}

void Splitter::setMinSize1(int value) {
    minSize1_ = qMax(0, value);
    if (maxSizeAppliesTo_ == 0 && maxSize_ > 0 && minSize1_ > maxSize_)
        minSize1_ = maxSize_;
    recomputeMinTotal();
    applyMaintain();
}

void Splitter::setMinSize2(int value) {
    minSize2_ = qMax(0, value);
    if (maxSizeAppliesTo_ == 1 && maxSize_ > 0 && minSize2_ > maxSize_)
        minSize2_ = maxSize_;
    recomputeMinTotal();
    applyMaintain();
}

void Splitter::setMinSizeAux(int value) {
    minSizeAux_ = qMax(0, value);
    handleResize();
}

void Splitter::setAllowResize(bool value) {
    allowResize_ = value;
    bar_->setVisible(value);
}

// --- stored properties -----------------------------------------------------

void Splitter::readProperties(const QVariantMap& bag) {
    placeEnabled_ = false;
    setBorderStyle(bag.value(QStringLiteral("BorderStyle"), 0).toInt());
    setSplitterAppearance(bag.value(QStringLiteral("SplitterAppearance"), 1).toInt());
    setSplitterBorder(bag.value(QStringLiteral("SplitterBorder"), 1).toInt());
    setSplitterColor(bag.value(QStringLiteral("SplitterColor"), kDefaultSplitterColor).value<QColor>());
    setOrientation(bag.value(QStringLiteral("Orientation"), 0).toInt());
    setSplitterSize(bag.value(QStringLiteral("SplitterSize"), 75).toInt());
    setMaintain(bag.value(QStringLiteral("Maintain"), 1).toInt());
    setSplitterPos(bag.value(QStringLiteral("SplitterPos"), 0).toInt());
    setRatioFromTop(bag.value(QStringLiteral("RatioFromTop"), 0.5f).toFloat());
    setChild1(bag.value(QStringLiteral("Child1")).toString());
    setChild2(bag.value(QStringLiteral("Child2")).toString());
    setMaxSize(bag.value(QStringLiteral("MaxSize"), 0).toInt());
    setMaxSizeAppliesTo(bag.value(QStringLiteral("MaxSizeAppliesTo"), 0).toInt());
    setMinSize1(bag.value(QStringLiteral("MinSize1"), 255).toInt());
    setMinSize2(bag.value(QStringLiteral("MinSize2"), 255).toInt());
    setMinSizeAux(bag.value(QStringLiteral("MinSizeAux"), 255).toInt());
    setAllowResize(bag.value(QStringLiteral("AllowResize"), true).toBool());
    setLiveUpdate(bag.value(QStringLiteral("LiveUpdate"), true).toBool());
    placeEnabled_ = true;
    placeChildren();
}

QVariantMap Splitter::writeProperties() const {
    return {
        {QStringLiteral("BorderStyle"), borderStyle_},
        {QStringLiteral("SplitterAppearance"), splitterAppearance_},
        {QStringLiteral("SplitterBorder"), splitterBorder_},
        {QStringLiteral("SplitterColor"), splitterColor_},
        {QStringLiteral("Orientation"), orientation_},
        {QStringLiteral("SplitterSize"), splitterSize_},
        {QStringLiteral("Maintain"), maintain_},
        {QStringLiteral("SplitterPos"), splitterPos_},
        {QStringLiteral("RatioFromTop"), ratioFromTop_},
        {QStringLiteral("Child1"), child1_},
        {QStringLiteral("Child2"), child2_},
        {QStringLiteral("MaxSize"), maxSize_},
        {QStringLiteral("MaxSizeAppliesTo"), maxSizeAppliesTo_},
        {QStringLiteral("MinSize1"), minSize1_},
        {QStringLiteral("MinSize2"), minSize2_},
        {QStringLiteral("MinSizeAux"), minSizeAux_},
        {QStringLiteral("AllowResize"), allowResize_},
        {QStringLiteral("LiveUpdate"), liveUpdate_},
    };
}

// --- layout ----------------------------------------------------------------

void Splitter::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    handleResize();
}

void Splitter::handleResize() {
    crossSize_ = qMax(0, crossSize());
    if (orientation_ != 0 && orientation_ != 1)
        return;
    const int length = splitLength();
    int desired = 0;
    if (maintain_ == 0)
        desired = splitterPos_;
    else if (maintain_ == 1)
        desired = ratioToPos(length, ratioFromTop_);
    desired = clampPos(length, desired);
    if (orientation_ == 0)
        setBarGeometry(QRect(desired, 0, splitterSize_, crossSize_));
    else
        setBarGeometry(QRect(0, desired, crossSize_, splitterSize_));
    setCurrPos(desired);
}

// setCurrPos and setCurrRatio keep the bar, the current ratio and the
// children in step; whichever is entered first places the children once.
void Splitter::setCurrPos(int pos) {
    if (busy_ & InSetCurrPos)
        return;
    busy_ |= InSetCurrPos;
    pos = qMax(0, pos);
    if (orientation_ == 0 || orientation_ == 1) {
        const int length = splitLength();
        setBarEdge(clampPos(length, pos));
        setCurrRatio(posToRatio(length, CurrSplitterPos()));
    }
    if (!(busy_ & InSetCurrRatio))
        placeChildren();
    busy_ &= ~InSetCurrPos;
}

void Splitter::setCurrRatio(float ratio) {
    if (busy_ & InSetCurrRatio)
        return;
    busy_ |= InSetCurrRatio;
    ratio = qBound(0.0f, ratio, 1.0f);
    const int length = splitLength();
    setCurrPos(clampPos(length, ratioToPos(length, ratio)));
    currRatio_ = posToRatio(length, CurrSplitterPos());
    if (!(busy_ & InSetCurrPos))
        placeChildren();
    busy_ &= ~InSetCurrRatio;
}

void Splitter::applyMaintain() {
    if (maintain_ == 0)
        setCurrPos(splitterPos_);
    else if (maintain_ == 1)
        setCurrRatio(ratioFromTop_);
}

void Splitter::placeChildren() {
    if (!placeEnabled_)
        return;
    setUpdatesEnabled(false);
    QWidget* child1 = childNamed(child1_);
    QWidget* child2 = childNamed(child2_);
    // List views draw their own border inside their edge; one more pixel
    // each way hides it behind the neighbour.
    const auto adjustment = [](const QWidget* child) { return child && child->inherits("QListView") ? 15 : 0; };
    const int adjust1 = adjustment(child1);
    const int adjust2 = adjustment(child2);
    const int c = CurrSplitterPos();
    const int s = splitterSize_;
    const auto secondSize = [&](int total) {
        return total - (s + c) >= minSize2_ ? total + adjust2 - (s + c) : minSize2_ + adjust2;
    };
    QRect rect1;
    QRect rect2;
    if (orientation_ == 0) {
        rect1 = QRect(0, 0, c + adjust1, crossSize_ + adjust1);
        rect2 = QRect(c + s, 0, secondSize(clientWidth()), crossSize_ + adjust2);
    } else if (orientation_ == 1) {
        rect1 = QRect(0, 0, crossSize_ + adjust1, c + adjust1);
        rect2 = QRect(0, c + s, crossSize_ + adjust2, secondSize(clientHeight()));
    }
    const bool laidOut = orientation_ == 0 || orientation_ == 1;
    child1Rect_ = child1 && laidOut ? rect1 : QRect();
    child2Rect_ = child2 && laidOut ? rect2 : QRect();
    if (child1 && laidOut)
        moveChild(child1, rect1);
    if (child2 && laidOut)
        moveChild(child2, rect2);
    emit Resize();
    setUpdatesEnabled(true);
}

// The first control of the host window with that name, in the host's own
// order; names compare without case.
QWidget* Splitter::childNamed(const QString& name) const {
    if (name.isEmpty())
        return nullptr;
    const QWidget* host = parentWidget() ? parentWidget() : this;
    for (QWidget* widget : host->findChildren<QWidget*>())
        if (widget != bar_ && widget != this && widget->objectName().compare(name, Qt::CaseInsensitive) == 0)
            return widget;
    return nullptr;
}

void Splitter::moveChild(QWidget* child, const QRect& twipsRect) {
    QRect pixels = twips::toPixels(this, twipsRect).translated(contentsRect().topLeft());
    QWidget* parent = child->parentWidget();
    if (parent && parent != this)
        pixels.moveTopLeft(parent->mapFromGlobal(mapToGlobal(pixels.topLeft())));
    child->setGeometry(pixels);
}

void Splitter::setBarEdge(int edge) {
    QRect moved = barTwips_;
    if (orientation_ == 0)
        moved.moveLeft(edge);
    else
        moved.moveTop(edge);
    setBarGeometry(moved);
}

void Splitter::setBarGeometry(const QRect& twipsRect) {
    barTwips_ = twipsRect;
    bar_->setGeometry(twips::toPixels(this, twipsRect).translated(contentsRect().topLeft()));
}

// An invalid colour is the system's button face; border 0 none, 1 fixed
// single in the bar's appearance.
void Splitter::setBarLook(const QColor& colour, int border) {
    QPalette palette = bar_->palette();
    palette.setColor(QPalette::Window, colour.isValid() ? colour : this->palette().color(QPalette::Button));
    bar_->setPalette(palette);
    if (border == 1)
        bar_->setFrameStyle(splitterAppearance_ == 1 ? QFrame::Panel | QFrame::Sunken : QFrame::Box | QFrame::Plain);
    else
        bar_->setFrameStyle(QFrame::NoFrame);
}

// --- dragging --------------------------------------------------------------

bool Splitter::eventFilter(QObject* watched, QEvent* event) {
    if (watched != bar_)
        return QFrame::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton)
            pressBar(mouse->position());
        return true;
    }
    case QEvent::MouseMove: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if ((mouse->buttons() & Qt::LeftButton) && dragging_)
            dragBar(mouse->position());
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            releaseBar();
        return true;
    case QEvent::KeyPress:
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && dragging_) {
            cancelDrag();
            return true;
        }
        return false;
    default:
        return false;
    }
}

int Splitter::alongSplit(const QPointF& pixelPos) const {
    return orientation_ == 1 ? twips::roundHalfEven(pixelPos.y() * twips::perPixelY(this))
                             : twips::roundHalfEven(pixelPos.x() * twips::perPixelX(this));
}

// Qt measures the pointer from the bar's outer edge, so the ghost border
// does not shift the grab offset.
void Splitter::pressBar(const QPointF& pos) {
    dragStartPos_ = CurrSplitterPos();
    grabOffset_ = alongSplit(pos);
    bar_->raise();
    if (!liveUpdate_)
        setBarLook(splitterColor_, splitterBorder_);
    dragging_ = true;
}

void Splitter::dragBar(const QPointF& pos) {
    const int old = CurrSplitterPos();
    const int wanted = alongSplit(pos) - grabOffset_ + old;
    const int p = clampPos(splitLength(), wanted);
    if (p == old)
        return;
    if (liveUpdate_) {
        setCurrPos(p);
    } else {
        placeEnabled_ = false;
        setCurrPos(p);
        placeEnabled_ = true;
    }
}

void Splitter::releaseBar() {
    if (!liveUpdate_) {
        setBarLook(QColor(), 0);
        placeChildren();
    }
    setSplitterPos(CurrSplitterPos());
    dragging_ = false;
}

void Splitter::cancelDrag() {
    if (liveUpdate_) {
        setCurrPos(dragStartPos_);
        placeChildren();
    } else {
        setBarLook(QColor(), 0);
        setCurrPos(dragStartPos_);
    }
    dragging_ = false;
}
