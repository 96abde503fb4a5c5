#include "editor/frmDoc.h"

#include "editor/EditorSetup.h"
#include "vocabulary/Markers.h"
#include "foundation/errors/ErrorLog.h"
#include "platform/Host.h"

frmDoc::frmDoc(QWidget* parent)
    : QWidget(parent), Sci(new SciView(this)), m_oSubclass(NewNotificationHandler()),
      ShellClass(std::make_unique<platform::StdShell>()) {
    SciEdi_WndData = SciHandle(Sci);
    // The re-parse queue and the position history find their lines by
    // marker handle at every update.
    Sci->trackMarkerLines(kRecordMarkers | unsigned(markerMask(MARKER_REPARSE) | markerMask(MARKER_POSITION)));
    // At every caret move the scope of the caret line is looked for upwards.
    Sci->searchMarkerLines(unsigned(markerMask(MARKER_FUNCTION) | markerMask(MARKER_TYPE)));
    // Nearly every line carries one of these, and no margin draws them:
    // Scintilla would allocate a marker set for each line and a node for each marker.
    Sci->keepMarkersItself(unsigned(markerMask(MARKER_PARSED) | markerMask(MARKER_MAINPROGRAM) | markerMask(MARKER_FOLDSTART)
                                    | markerMask(MARKER_FOLDEND) | markerMask(MARKER_BLOCK)));
    Sci->setGeometry(0, 0, 200, 200);
}

frmDoc::~frmDoc() {
    // Ends a running build before any part of the document goes.
    ShellClass.reset();
    // Leaves its host while still whole, so that the host deactivates a
    // complete document; then unhooks the view while the view still exists.
    setParent(nullptr);
    m_oSubclass.reset();
}

void frmDoc::setDirty(bool dirty) {
    if (dirty == mDirty)
        return;
    mDirty = dirty;
    UpdateDocumentCaption();
}

void frmDoc::setFilename(const QString& name) {
    if (name == mFilename)
        return;
    mFilename = name;
    UpdateDocumentCaption();
}

void frmDoc::Initialise(const QString& name) {
    mFilename = name;
    SetSciOptions(true);
    SetSciConstants();
}

void frmDoc::SubClass() {
    AttachNotificationHandler(*this);
}

void frmDoc::Redraw() {
    Sci->viewport()->update();
}

void frmDoc::resizeEvent(QResizeEvent*) {
    try {
        Sci->setGeometry(0, 0, width(), height() - 1);
    } catch (...) {
        SetErrorLog(QStringLiteral("Form_Resize"), QStringLiteral("frmDoc"));
    }
}

void frmDoc::UpdateDocumentCaption() {
    platform::host().setDocumentWindowCaption(m_strDocumentWindowID, mDirty ? mFilename + QStringLiteral("*") : mFilename);
}
