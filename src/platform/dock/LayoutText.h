#pragma once

#include "platform/dock/LayoutData.h"

#include <QList>
#include <QString>

#include <optional>

// A layout as one text, for files that keep it as one quoted value: all a
// layout file holds plus the document windows, base64 of compact JSON, so
// it holds no double quote and no line break. Reading is all or nothing.
namespace dock {

struct DocumentWindowData {
    QString key;
    QString caption;
    int group = 0;  // counted from 0 in window order
    bool active = false;
    bool operator==(const DocumentWindowData&) const = default;
};

struct LayoutTextData {
    LayoutData layout;
    QList<DocumentWindowData> documents;  // in window order
    bool operator==(const LayoutTextData&) const = default;
};

QString layoutToText(const LayoutTextData& data);
std::optional<LayoutTextData> layoutFromText(const QString& text);

}
