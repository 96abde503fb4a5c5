#pragma once

#include <QString>

#include <optional>

// Registers a document type with the desktop, the freedesktop way: a
// shared-mime-info package $XDG_DATA_HOME/mime/packages/korvo-<ext>.xml that
// names the type (from className) with its description and glob, and a
// desktop entry $XDG_DATA_HOME/applications/korvo-<ext>.desktop that opens
// such files with command and shows iconPath. A "%1" (quoted or not) in the
// command stands for the file, as the Exec key's %f; a command without it
// gets the file appended. Associating an extension again replaces both files.
// ext comes with or without its point; only letters, digits, "_", "+" and
// "-" make an extension.
//
// The desktop's "New" entry of the type is an empty template file in the
// templates folder ($XDG_TEMPLATES_DIR, else ~/Templates), named after the
// type's description. shellNew true creates it, false removes it, no value
// leaves it alone.
//
// Both return false when the extension is unusable or a file could not be
// written; the desktop's caches are refreshed when its tools are installed.
bool AssociateFileType(const QString& ext, const QString& description, const QString& className,
                       const QString& iconPath, const QString& command,
                       std::optional<bool> shellNew = std::nullopt);
bool SetShellNew(const QString& ext, bool flag);
