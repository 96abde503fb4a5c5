#pragma once

#include <QIcon>
#include <QString>

// The style list's two small icons by key: "style" for a style,
// "checked" for the applied one.
QIcon StyleListIcon(const QString& key);
