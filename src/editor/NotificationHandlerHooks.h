#pragma once

#include <memory>

class cSubclass;
class frmDoc;

// A document's notification handler belongs to the language layer, which
// defines these: the document window only owns it and attaches it.
using NotificationHandlerPtr = std::unique_ptr<cSubclass, void (*)(cSubclass*)>;

NotificationHandlerPtr NewNotificationHandler();
// From here on the notifications of the document's view reach its handler.
void AttachNotificationHandler(frmDoc& doc);
