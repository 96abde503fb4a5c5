#pragma once

#include <QString>

#include <functional>

// How a document sets the caption of the window that shows it: the main
// window's document host installs the setter; until then a caption goes
// nowhere.
using DocumentCaptionSetter = std::function<void(const QString& windowKey, const QString& caption)>;

void setDocumentCaptionSetter(DocumentCaptionSetter setter);
void SetDocumentWindowCaption(const QString& windowKey, const QString& caption);
