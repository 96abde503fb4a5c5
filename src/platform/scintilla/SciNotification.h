#pragma once

#include "platform/scintilla/SciTypes.h"

#include <QByteArray>
#include <QUrl>

// Scintilla's notification codes; QScintilla turns each into a signal of its
// own and publishes no constants for them.
enum SciNotificationCode {
    SCN_STYLENEEDED = 2000,
    SCN_CHARADDED = 2001,
    SCN_SAVEPOINTREACHED = 2002,
    SCN_SAVEPOINTLEFT = 2003,
    SCN_MODIFYATTEMPTRO = 2004,
    SCN_DOUBLECLICK = 2006,
    SCN_UPDATEUI = 2007,
    SCN_MODIFIED = 2008,
    SCN_MACRORECORD = 2009,
    SCN_MARGINCLICK = 2010,
    SCN_NEEDSHOWN = 2011,
    SCN_PAINTED = 2013,
    SCN_USERLISTSELECTION = 2014,
    SCN_URIDROPPED = 2015,
    SCN_DWELLSTART = 2016,
    SCN_DWELLEND = 2017,
    SCN_ZOOM = 2018,
    SCN_HOTSPOTCLICK = 2019,
    SCN_HOTSPOTDOUBLECLICK = 2020,
    SCN_CALLTIPCLICK = 2021,
    SCN_AUTOCSELECTION = 2022,
    SCN_INDICATORCLICK = 2023,
    SCN_INDICATORRELEASE = 2024,
    SCN_AUTOCCANCELLED = 2025,
    SCN_AUTOCCHARDELETED = 2026,
    SCN_HOTSPOTRELEASECLICK = 2027,
    SCN_FOCUSIN = 2028,
    SCN_FOCUSOUT = 2029,
    SCN_AUTOCCOMPLETED = 2030,
    SCN_MARGINRIGHTCLICK = 2031,
    SCN_AUTOCSELECTIONCHANGE = 2032,
};

// One notification of a view, copied out of the signal that carried it: the
// fields of Scintilla's SCNotification that the signal fills, the rest 0.
struct SciNotification {
    int code = 0;
    long position = 0;
    int ch = 0;
    int modifiers = 0;
    int modificationType = 0;
    QByteArray text{};  // the inserted or deleted bytes, or the chosen list entry
    long length = 0;
    long linesAdded = 0;
    int message = 0;
    uptr_t wParam = 0;
    sptr_t lParam = 0;
    long line = 0;
    int foldLevelNow = 0;
    int foldLevelPrev = 0;
    int margin = 0;
    int listType = 0;
    int x = 0;
    int y = 0;
    int token = 0;
    int annotationLinesAdded = 0;
    int updated = 0;
    int listCompletionMethod = 0;
    QUrl uri{};  // SCN_URIDROPPED: the dropped item
};
