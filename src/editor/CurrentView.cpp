#include "editor/CurrentView.h"

#include "editor/frmDoc.h"

QPointer<frmDoc> gActiveDoc;
QString gLastEditorWindowID;
SciHandle gSciWndData;

bool IsEditorActive() {
    return gActiveDoc && gActiveDoc->SciEdi_WndData.id() > 0 && gActiveDoc->SciEdi_WndData.isAlive();
}

ScopedCurrentView::ScopedCurrentView(const SciHandle& view) : savedDoc_(gActiveDoc), savedView_(gSciWndData) {
    gSciWndData = view;
}

ScopedCurrentView::ScopedCurrentView(frmDoc& doc) : savedDoc_(gActiveDoc), savedView_(gSciWndData) {
    gActiveDoc = &doc;
    gSciWndData = doc.SciEdi_WndData;
}

ScopedCurrentView::~ScopedCurrentView() {
    gActiveDoc = savedDoc_;
    gSciWndData = savedView_;
}
