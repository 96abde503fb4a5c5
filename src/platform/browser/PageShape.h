#pragma once

#include <QString>

// What the rich-text view takes time for faster than a page grows: each
// element nested inside the last, many images in one paragraph, style
// sheets in the body (which the head's bound does not reach). A page past
// one of these bounds is not shown.
namespace browser {

inline constexpr int kMaxNesting = 256;
inline constexpr int kMaxImages = 1000;
inline constexpr int kMaxBodyStyleElements = 64;

// Why the page is too much to show, or "" when it is not; one pass over
// its text.
QString pageShapeFault(const QString& html);

}
