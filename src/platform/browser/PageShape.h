#pragma once

#include <QString>

// What the rich-text view takes time for faster than a page grows: each
// element nested inside the last, many images in one paragraph, style
// sheets in the body (which the head's bound does not reach), tables
// inside tables (whose layout costs far more with each level than other
// nesting does). A page past one of these bounds is not shown.
namespace browser {

inline constexpr int kMaxNesting = 256;
// Help pages nest a table in a table at most once or twice.
inline constexpr int kMaxTableNesting = 4;
inline constexpr int kMaxImages = 1000;
inline constexpr int kMaxBodyStyleElements = 64;

// Why the page is too much to show, or "" when it is not; one pass over
// its text.
QString pageShapeFault(const QString& html);

}
