#pragma once

class QWidget;
class QsciScintillaBase;

// The edit-box style that admits digits only.
constexpr int ES_NUMBER = 0x2000;

// Adds style bits to a window. Korvo's windows understand ES_NUMBER on a
// line edit (only digits can be typed); other bits have no meaning here.
void AddWindowStyle(QWidget* window, int style);

// Makes the view ask for styling now, exactly as Scintilla does when text
// comes into view, so that its document restyles the visible lines.
void SendStyleNeeded(QsciScintillaBase* view);
