#pragma once

#include "vocabulary/ColorStyle.h"

#include <QByteArray>
#include <QString>

// "#RRGGBB" of a colour 0x00BBGGRR; bits above the 24 colour bits are
// ignored.
QString ColorToHtml(long Color);

// The current view as an HTML page, coloured as its styles stand: one
// class .St<n> per style 0 to 40 that occurs, described from Style, one
// span per run of one style, a blank as "&nbsp;", a tab as TabValue of
// them, a line end as "<BR>"; "&", "<" and ">" are escaped, the other
// bytes go out unchanged (Windows-1252, declared as iso-8859-1). Title is
// the document's display name. Lines end in CR LF, the last after
// "</html>".
QByteArray HtmlPage(const QString& Title, const ColorStyle& Style, int TabValue);

// The page of the active document, recoloured in full first, with the
// current colour style and tab width: what the export writes.
QByteArray ActiveDocumentAsHtml();

// "Export To HTML": the active document, recoloured in full, as an HTML
// file the user chooses; then offers to open it.
void ExportToHTML();
