#include "shell/WindowPlacement.h"

#include "foundation/Twips.h"
#include "platform/SettingsStore.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace {

// The window manager's frame of a window that was never shown is not known
// yet: the stored frame is reached once it is, by a move and resize, when
// the window is first framed in its normal state (a maximised start: when
// restored). Right after a restore the frame can still be the maximised
// one, which lacks the borders, and the normal one comes a little later: the
// frame is placed again while it is not the stored one, a few times at most.
class FrameSizeOnFirstFrame : public QObject {
public:
    FrameSizeOnFirstFrame(QWidget& window, QRect frame) : QObject(&window), frame_(frame) {
        setObjectName(kName);
        window.installEventFilter(this);
    }

    static inline const QString kName = QStringLiteral("FrameSizeOnFirstFrame");

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::Move && type != QEvent::Resize && type != QEvent::Show && type != QEvent::WindowStateChange)
            return false;
        auto* window = static_cast<QWidget*>(watched);
        if (!window->isVisible() || window->windowState() != Qt::WindowNoState || margins(*window).isNull() || placing_)
            return false;
        // After the first placement only the window manager's moves, as its borders come in, place it again:
        // a resize then comes from a layout or the user.
        if (placements_ > 0 && type == QEvent::Resize)
            return false;
        if (placements_ >= kMostPlacements || (placements_ > 0 && frameOf(*window) == frame_)) {
            window->removeEventFilter(this);
            deleteLater();
            return false;
        }
        // Resizing a window while it shows its children or changes its state would lay them out twice.
        placing_ = true;
        QMetaObject::invokeMethod(this, [this, window] { placeFrame(*window); }, Qt::QueuedConnection);
        return false;
    }

    void placeFrame(QWidget& window) {
        placing_ = false;
        ++placements_;
        const QMargins frame = margins(window);
        window.move(frame_.topLeft());
        window.resize(qMax(1, frame_.width() - frame.left() - frame.right()), qMax(1, frame_.height() - frame.top() - frame.bottom()));
    }

private:
    // The window manager's frame as it is now; the widget's own copy is only renewed by a move or resize.
    static QMargins margins(const QWidget& window) {
        return window.windowHandle() ? window.windowHandle()->frameMargins() : QMargins();
    }
    static QRect frameOf(const QWidget& window) { return window.geometry().marginsAdded(margins(window)); }

    // A window manager that will not take the frame is not followed further.
    static constexpr int kMostPlacements = 3;
    QRect frame_;
    int placements_ = 0;
    bool placing_ = false;
};

int number(const platform::SectionValues& values, const char* key, int defaultValue) {
    bool ok = false;
    const int value = values.value(QLatin1String(key)).trimmed().toInt(&ok);
    return ok ? value : defaultValue;
}
}

WindowPlacement ReadSlotPlacement(const QString& section) {
    const platform::SectionValues values(section);
    WindowPlacement placement;
    placement.frameTwips = QRect(number(values, "MainLeft", 1500), number(values, "MainTop", 5000),
                                 number(values, "MainWidth", 7000), number(values, "MainHeight", 6500));
    placement.state = number(values, "MainState", 0);
    return placement;
}

WindowPlacement ReadStartPlacement(const QString& section, const QSize& screenTwips) {
    const platform::SectionValues values(section);
    WindowPlacement placement;
    int top = number(values, "MainTop", 1000);
    if (top > screenTwips.height() - 300)
        top = 1000;
    int left = number(values, "MainLeft", 1000);
    if (left > screenTwips.width() - 300)
        left = 1000;
    placement.frameTwips = QRect(left, top, number(values, "MainWidth", 8000), number(values, "MainHeight", 7000));
    placement.state = number(values, "MainState", 2);
    return placement;
}

void ApplyPlacement(QWidget& window, const WindowPlacement& placement) {
    const QRect frame = twips::toPixels(&window, placement.frameTwips);
    const QSize decoration = window.frameGeometry().size() - window.geometry().size();
    window.move(frame.topLeft());
    window.resize(qMax(1, frame.width() - decoration.width()), qMax(1, frame.height() - decoration.height()));
    // A later placement replaces one still waiting for the first frame.
    delete window.findChild<QObject*>(FrameSizeOnFirstFrame::kName, Qt::FindDirectChildrenOnly);
    if (!window.isVisible())
        new FrameSizeOnFirstFrame(window, frame);
    window.setWindowState(placement.state == 2 ? Qt::WindowMaximized : Qt::WindowNoState);
}

void SaveBounds(const QString& section, const QWidget& window) {
    const QRect frame = window.frameGeometry();
    const int x = twips::perPixelX(&window);
    const int y = twips::perPixelY(&window);
    platform::SaveSetting(section, QStringLiteral("MainTop"), QString::number(frame.y() * y));
    platform::SaveSetting(section, QStringLiteral("MainLeft"), QString::number(frame.x() * x));
    platform::SaveSetting(section, QStringLiteral("MainWidth"), QString::number(frame.width() * x));
    platform::SaveSetting(section, QStringLiteral("MainHeight"), QString::number(frame.height() * y));
}

void SavePlacement(const QString& section, const QWidget& window, int state) {
    if (state == 0)
        SaveBounds(section, window);
    platform::SaveSetting(section, QStringLiteral("MainState"), QString::number(state));
}
