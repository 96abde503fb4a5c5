#pragma once

#include "platform/scintilla/SciTypes.h"

#include <Qsci/qsciscintillabase.h>

#include <QPointer>

// The Scintilla view of one document. Korvo lexes and styles the text itself
// and drives the view only through Scintilla's own messages.
class SciView : public QsciScintillaBase {
    Q_OBJECT
public:
    explicit SciView(QWidget* parent = nullptr);

    // The one entry point for messages: explicit argument types, so that a
    // literal 0 never picks the wrong SendScintilla overload.
    sptr_t send(unsigned int message, uptr_t wParam = 0, sptr_t lParam = 0) const;

    // A number of this view's own, never reused by another view.
    long viewId() const { return viewId_; }

private:
    long viewId_;
};

// Names a view the way records and history entries remember their document.
// The handle outlives its view: a call through the handle of a closed view
// does nothing and returns 0. Handles compare equal only for the same view.
class SciHandle {
public:
    SciHandle() = default;
    explicit SciHandle(SciView* view);

    SciView* view() const { return view_.data(); }
    long id() const { return id_; }
    bool isAlive() const { return !view_.isNull(); }
    explicit operator bool() const { return id_ != 0; }

    friend bool operator==(const SciHandle& a, const SciHandle& b) { return a.id_ == b.id_; }

private:
    QPointer<SciView> view_;
    long id_ = 0;
};

// A message to the view behind an explicit handle; 0 when the view is gone.
sptr_t SciDirect(const SciHandle& handle, unsigned int message, uptr_t wParam = 0, sptr_t lParam = 0);
