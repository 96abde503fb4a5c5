#pragma once

#include "platform/dock/LayoutData.h"

#include <QByteArray>
#include <QString>

#include <optional>

// Korvo's layout files: JSON text of a LayoutData, the window state as
// base64. Reading is all or nothing: any fault in the text (bad JSON, an
// unknown kind, a repeated key, an entry naming no command) gives no
// layout and a reason.
namespace dock {

// The name a layout file gives a command's kind: "plain", "popup", "list" ...
QString commandKindName(CommandKind kind);

QByteArray layoutToJson(const LayoutData& layout);
std::optional<LayoutData> layoutFromJson(const QByteArray& json, QString* reason = nullptr);

// Reads a whole layout file; no layout when it is missing or faulty.
std::optional<LayoutData> readLayoutFile(const QString& path, QString* reason = nullptr);
// Writes through a temporary file, creating a missing folder first.
bool writeLayoutFile(const QString& path, const LayoutData& layout);

}
