#include "platform/scintilla/SciView.h"

namespace {
long nextViewId() {
    static long last = 0;
    return ++last;
}
}

SciView::SciView(QWidget* parent) : QsciScintillaBase(parent), viewId_(nextViewId()) {
    // QScintilla starts in UTF-8 with LF line ends; Korvo's text is one byte
    // per character with CRLF lines, and this must hold before any text loads.
    send(SCI_SETCODEPAGE, 0);
    send(SCI_SETEOLMODE, SC_EOL_CRLF);
}

sptr_t SciView::send(unsigned int message, uptr_t wParam, sptr_t lParam) const {
    return SendScintilla(message, wParam, lParam);
}

SciHandle::SciHandle(SciView* view) : view_(view), id_(view ? view->viewId() : 0) {}

sptr_t SciDirect(const SciHandle& handle, unsigned int message, uptr_t wParam, sptr_t lParam) {
    SciView* view = handle.view();
    return view ? view->send(message, wParam, lParam) : 0;
}
