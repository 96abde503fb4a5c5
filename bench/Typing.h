#pragma once

#include <QByteArray>
#include <QString>

// Prints how long a keystroke takes with its paint, at the start and at the
// end of the text opened and parsed as a file alone and shown: 200
// characters typed and an Enter, as the user types them, the median of five
// rounds. The figure may not grow with the position. With lexer keywords,
// the same keys on the same text in a bare view of the component colouring
// itself with its own lexer follow: the floor Korvo's key is measured by.
void PrintTypingTimes(const QString& path, const QByteArray& text, const QByteArray& lexerKeywords = {});
