#pragma once

#include <QString>

namespace browser {
class FrameView;
}

// Clicks the first link that shows the text as a user does: the view's
// window is shown, the view scrolled to the link, and a mouse press and
// release go to its first character. False when no link shows it.
bool clickLink(browser::FrameView& view, const QString& text);
