#pragma once

#include <QString>

class QWidget;
class SciView;

// A window shown on the (offscreen) screen and painted, as the user sees
// it; false when it never became exposed.
bool ShowForTyping(QWidget& window);

// One key pressed and released on the view, and the paint of what it left dirty.
void SendKeyAndPaint(SciView& view, int key, const QString& text);

// The Qt key that types the character c.
int KeyOf(char c);
