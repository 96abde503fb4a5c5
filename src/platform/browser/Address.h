#pragma once

#include <QString>

// Addresses as the browser control knows them: a local page is its
// absolute path with '/' separators (no "file://"), anything with the
// http, https or mailto scheme belongs to the desktop.
namespace browser {

bool isDesktopAddress(const QString& address);
// An address given to navigate: file: URLs become paths, '\' becomes '/'.
QString normalizedAddress(const QString& address);
// A link's address seen from the page it is on.
QString resolveLink(const QString& pagePath, const QString& href);
// "page.htm#part" splits into "page.htm" and "part".
QString withoutFragment(const QString& address);
QString fragmentOf(const QString& address);

}
