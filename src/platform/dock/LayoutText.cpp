#include "platform/dock/LayoutText.h"

#include "platform/dock/LayoutFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace dock {

QString layoutToText(const LayoutTextData& data) {
    QJsonArray documents;
    for (const DocumentWindowData& window : data.documents) {
        QJsonObject entry{{"key", window.key}, {"caption", window.caption}, {"group", window.group}};
        if (window.active)
            entry.insert("active", true);
        documents.append(entry);
    }
    const QJsonObject all{{"layout", QJsonDocument::fromJson(layoutToJson(data.layout)).object()}, {"documents", documents}};
    return QString::fromLatin1(QJsonDocument(all).toJson(QJsonDocument::Compact).toBase64());
}

std::optional<LayoutTextData> layoutFromText(const QString& text) {
    const QByteArray::FromBase64Result decoded =
        QByteArray::fromBase64Encoding(text.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded)
        return std::nullopt;
    const QJsonObject all = QJsonDocument::fromJson(*decoded).object();
    std::optional<LayoutData> layout = layoutFromJson(QJsonDocument(all.value("layout").toObject()).toJson());
    if (!layout || !all.value("documents").isArray())
        return std::nullopt;
    LayoutTextData data{*layout, {}};
    int group = 0;
    for (const QJsonValue& value : all.value("documents").toArray()) {
        const QJsonObject entry = value.toObject();
        DocumentWindowData window{entry.value("key").toString(), entry.value("caption").toString(),
                                  entry.value("group").toInt(-1), entry.value("active").toBool()};
        // Groups come in window order, each at most one past the one before.
        const int furthest = data.documents.isEmpty() ? 0 : group + 1;
        if (window.key.isEmpty() || window.group < group || window.group > furthest)
            return std::nullopt;
        group = window.group;
        data.documents.append(window);
    }
    return data;
}

}
