#pragma once

#include "display/KorvoWindowFixture.h"

#include "editor/ActiveDocument.h"
#include "editor/frmDoc.h"
#include "language/editing/NotificationHandler.h"
#include "vocabulary/Markers.h"

#include <QFile>

#include <Qsci/qsciscintillabase.h>

// A real window editing with the corpus's command keywords loaded, so that
// the parser sees a real compiler's words.
class EditedWindowTest : public KorvoWindowTest {
protected:
    void beforeStart() override {
        QFile::remove(homeFile(QStringLiteral("conf/Blitz.lng")));
        QFile::copy(QStringLiteral(KORVO_CORPUS_DIR "/keywords.txt"), homeFile(QStringLiteral("conf/Blitz.lng")));
    }

    static long send(unsigned message, unsigned long wParam = 0, long lParam = 0) {
        return long(gActiveDoc->Sci->send(message, wParam, lParam));
    }

    // The caret has left the edited line and no line waits to be parsed.
    static bool settled() {
        return gActiveDoc && gActiveDoc->m_oSubclass->UnparsedLine < 0 &&
               send(QsciScintillaBase::SCI_MARKERNEXT, 0, markerMask(MARKER_REPARSE)) < 0;
    }
};
