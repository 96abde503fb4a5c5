#include "editor/DocumentCaption.h"

namespace {
DocumentCaptionSetter& installedSetter() {
    static DocumentCaptionSetter setter;
    return setter;
}
}

void setDocumentCaptionSetter(DocumentCaptionSetter setter) {
    installedSetter() = std::move(setter);
}

void SetDocumentWindowCaption(const QString& windowKey, const QString& caption) {
    if (installedSetter())
        installedSetter()(windowKey, caption);
}
