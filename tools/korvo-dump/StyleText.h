#pragma once

#include "settings/StyleFile.h"

#include <QString>
#include <QStringList>

#include <optional>

// The text form of a colour style: "version 1", "description TEXT" (CR, LF
// and backslash written \r, \n, \\), then per slot 0 to 40
// "slot N FORE BACK ALT SIZE BOLD ITALIC UNDERLINE FONT", colours as eight
// upper-case hex digits, the face name last (none: the line ends after
// UNDERLINE).
QStringList StyleTextLines(const StyleFileContent& content);
// Null, with the problem, when the text is not that form.
std::optional<StyleFileContent> ParseStyleText(const QString& text, QString& problem);

// The style file read: null, with the reason on standard error, when it
// cannot be read or is damaged.
std::optional<StyleFileContent> ReadStyleFile(const QString& path);
