#include "shell/QuickHelpLine.h"

#include "foundation/Twips.h"

QuickHelpLine::QuickHelpLine(QWidget* parent) : QTextEdit(parent), selection_(document()) {
    setReadOnly(true);
    setFrameShape(QFrame::NoFrame);
    setLineWrapMode(QTextEdit::NoWrap);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFocusPolicy(Qt::NoFocus);
    setFixedHeight(fontMetrics().height() + 2 * frameWidth() + 4);
    document()->setDocumentMargin(1);
}

QString QuickHelpLine::Text() const {
    return toPlainText();
}

void QuickHelpLine::setText(const QString& text) {
    setPlainText(QString(text).remove(QLatin1Char('\r')).replace(QLatin1Char('\n'), QLatin1Char(' ')));
    selection_ = QTextCursor(document());
    shown_.reset();
}

void QuickHelpLine::setSelection(int start, int length) {
    const int end = qBound(0, start + qMax(0, length), document()->characterCount() - 1);
    selection_ = QTextCursor(document());
    selection_.setPosition(qBound(0, start, end));
    selection_.setPosition(end, QTextCursor::KeepAnchor);
    shown_.reset();
}

void QuickHelpLine::setSelectionColour(unsigned bgr) {
    QTextCharFormat format;
    format.setForeground(QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF));
    selection_.mergeCharFormat(format);
    shown_.reset();
}

void QuickHelpLine::showHelp(const QString& text, int colourStart, int colourLength, unsigned bgr) {
    const bool coloured = colourLength > 0;
    const Shown wanted{text, coloured ? colourStart : 0, coloured ? colourLength : 0, coloured ? bgr : 0u};
    if (shown_ == wanted)
        return;
    setText(text);
    if (colourLength > 0) {
        setSelection(colourStart, colourLength);
        setSelectionColour(bgr);
    }
    shown_ = wanted;
}

int QuickHelpLine::widthTwips() const {
    return width() * twips::perPixelX(this);
}

void QuickHelpLine::setWidthTwips(int twips) {
    setFixedWidth(qMax(0, twips / twips::perPixelX(this)));
}
