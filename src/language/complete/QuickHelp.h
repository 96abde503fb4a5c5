#pragma once

#include <QColor>
#include <QObject>
#include <QString>

// What the quick-help line shows: one line of text with one coloured
// stretch (the current argument of a call, or the word "SCOPE:"). The
// language layer writes it; the main window draws it and sizes its pane.
class QuickHelp : public QObject {
    Q_OBJECT
public:
    static inline const QColor kArgumentColour = QColor(0xFF, 0x00, 0x00);
    static inline const QColor kScopeColour = QColor(0x00, 0x00, 0xFF);

    const QString& text() const { return text_; }
    // Characters from 0; a length of 0 colours nothing.
    int colourStart() const { return colourStart_; }
    int colourLength() const { return colourLength_; }
    const QColor& colour() const { return colour_; }

    void show(const QString& text, int colourStart, int colourLength, const QColor& colour);
    void clear();

signals:
    void changed();

private:
    QString text_;
    int colourStart_ = 0;
    int colourLength_ = 0;
    QColor colour_;
};

QuickHelp& quickHelp();
