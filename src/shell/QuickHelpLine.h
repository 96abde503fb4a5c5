#pragma once

#include <QTextEdit>

#include <optional>

// The quick-help line (Rtb): one line of rich text in the status bar. The
// caller selects a stretch of it and colours the selected characters; the
// selection itself is never drawn. Width is in twips.
class QuickHelpLine : public QTextEdit {
    Q_OBJECT
public:
    explicit QuickHelpLine(QWidget* parent = nullptr);

    QString Text() const;
    void setText(const QString& text);
    // Start and length in characters, clamped to the text.
    void setSelection(int start, int length);
    // Colours the selected characters, 0x00BBGGRR.
    void setSelectionColour(unsigned bgr);
    // The text with one stretch coloured, as the calls above would show it;
    // nothing is redrawn while the line still shows just that.
    void showHelp(const QString& text, int colourStart, int colourLength, unsigned bgr);
    int widthTwips() const;
    void setWidthTwips(int twips);

private:
    struct Shown {
        QString text;
        int colourStart;
        int colourLength;
        unsigned bgr;
        bool operator==(const Shown&) const = default;
    };

    QTextCursor selection_;
    // What showHelp() drew, until another call changes the line.
    std::optional<Shown> shown_;
};
