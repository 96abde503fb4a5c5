#include "display/DisplayInput.h"

#include <QApplication>
#include <QDir>
#include <QDragMoveEvent>
#include <QKeyEvent>
#include <QPixmap>
#include <QPointer>
#include <QProcess>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

namespace display {

namespace {

// Counts the input events Qt delivered, so that a helper waits until the
// X server's events have come through instead of for a fixed time.
class EventCounter : public QObject {
public:
    EventCounter() { qApp->installEventFilter(this); }

    int presses = 0;
    int releases = 0;
    int doubleClicks = 0;
    int keyReleases = 0;
    int textKeyReleases = 0;
    QList<QPointer<QObject>> dragTargets;
    QList<QPointer<QObject>> dropTargets;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // A widget's event reaches the filter once for its window too; count the widget's.
        if (watched->isWindowType())
            return false;
        switch (event->type()) {
        case QEvent::MouseButtonPress: ++presses; break;
        case QEvent::MouseButtonRelease: ++releases; break;
        case QEvent::MouseButtonDblClick: ++doubleClicks; break;
        case QEvent::KeyRelease: {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->isAutoRepeat())
                break;
            if (!isModifier(key->key()))
                ++keyReleases;
            if (!key->text().isEmpty())
                ++textKeyReleases;
            break;
        }
        case QEvent::DragEnter:
        case QEvent::DragMove: dragTargets.append(watched); break;
        case QEvent::Drop: dropTargets.append(watched); break;
        default: break;
        }
        return false;
    }

private:
    static bool isModifier(int key) {
        return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt || key == Qt::Key_Meta ||
               key == Qt::Key_AltGr;
    }
};

EventCounter& counter() {
    static EventCounter* events = new EventCounter;
    return *events;
}

bool reached(const QList<QPointer<QObject>>& targets, const QWidget& widget) {
    for (const QPointer<QObject>& target : targets) {
        auto* reachedWidget = qobject_cast<QWidget*>(target.data());
        if (reachedWidget && (reachedWidget == &widget || widget.isAncestorOf(reachedWidget)))
            return true;
    }
    return false;
}

QStringList at(QPoint global) {
    // The server handles a test extension's events in order, so a click
    // after this move lands at the point without waiting for the move.
    return {QStringLiteral("mousemove"), QString::number(global.x()), QString::number(global.y())};
}

QString describe(const QWidget* widget) {
    if (!widget)
        return QStringLiteral("nothing");
    QStringList names;
    for (; widget; widget = widget->parentWidget())
        names.prepend(QString::fromLatin1(widget->metaObject()->className()) + QLatin1Char('(') + widget->objectName() + QLatin1Char(')'));
    return names.join(QLatin1String(" > "));
}

}

QString xdotool(const QStringList& arguments) {
    counter();
    QProcess process;
    process.start(QStringLiteral("xdotool"), arguments);
    if (!process.waitForFinished(30000))
        ADD_FAILURE() << "xdotool did not end: " << arguments.join(QLatin1Char(' ')).toStdString();
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

bool waitFor(const std::function<bool()>& condition, int timeoutMs) {
    counter();
    return QTest::qWaitFor(condition, timeoutMs);
}

QPoint screenPoint(const QWidget& widget, QPoint local) {
    if (local == QPoint(-1, -1))
        local = widget.rect().center();
    return widget.mapToGlobal(local);
}

bool expectWidgetAt(const QWidget& widget, QPoint global) {
    const QWidget* found = QApplication::widgetAt(global);
    if (found == &widget)
        return true;
    ADD_FAILURE() << "at " << global.x() << "," << global.y() << " is " << describe(found).toStdString()
                  << ", not " << describe(&widget).toStdString();
    return false;
}

void movePointer(QPoint global) {
    xdotool(at(global));
}

bool click(const QWidget& widget, QPoint local, int button) {
    const QPoint global = screenPoint(widget, local);
    if (!expectWidgetAt(widget, global))
        return false;
    const int before = counter().releases;
    xdotool(at(global) << QStringLiteral("click") << QString::number(button));
    const bool arrived = waitFor([&] { return counter().releases > before; });
    EXPECT_TRUE(arrived) << "the click never arrived";
    return arrived;
}

bool rightClick(const QWidget& widget, QPoint local) {
    return click(widget, local, 3);
}

bool doubleClick(const QWidget& widget, QPoint local) {
    const QPoint global = screenPoint(widget, local);
    if (!expectWidgetAt(widget, global))
        return false;
    const int before = counter().doubleClicks;
    const int releasesBefore = counter().releases;
    // The server stamps both clicks 60 ms apart, however slowly Qt reads them.
    xdotool(at(global) << QStringLiteral("click") << QStringLiteral("--repeat") << QStringLiteral("2")
                       << QStringLiteral("--delay") << QStringLiteral("60") << QStringLiteral("1"));
    const bool arrived = waitFor([&] { return counter().doubleClicks > before && counter().releases >= releasesBefore + 2; });
    EXPECT_TRUE(arrived) << "the double-click never arrived";
    return arrived;
}

bool drag(const QWidget& from, QPoint fromLocal, const QWidget& to, QPoint toLocal) {
    const QPoint start = screenPoint(from, fromLocal);
    const QPoint end = screenPoint(to, toLocal);
    if (!expectWidgetAt(from, start) || !expectWidgetAt(to, end))
        return false;
    EventCounter& events = counter();
    events.dragTargets.clear();
    events.dropTargets.clear();
    const int pressesBefore = events.presses;
    QPointer<const QWidget> target(&to);

    // A started drag runs its own event loop until the drop, so each step
    // runs from a timer, which that loop also serves.
    struct Step {
        QStringList command;
        std::function<bool()> done;
    };
    const QPoint nudge = start + QPoint(0, QApplication::startDragDistance() + 6);
    const QList<Step> steps{
        {at(start) << QStringLiteral("mousedown") << QStringLiteral("1"), [&] { return events.presses > pressesBefore; }},
        {at(nudge), [] { return true; }},
        {at((nudge + end) / 2), [] { return true; }},
        {at(end), [&] { return target && reached(events.dragTargets, *target); }},
        {at(end + QPoint(2, 2)), [&] { return target && reached(events.dragTargets, *target); }},
        {{QStringLiteral("mouseup"), QStringLiteral("1")}, [&] { return target && reached(events.dropTargets, *target); }},
    };
    int next = 0;
    bool running = false;
    bool finished = false;
    QElapsedTimer clock;
    clock.start();
    QTimer stepper;
    QObject::connect(&stepper, &QTimer::timeout, [&] {
        if (finished)
            return;
        if (clock.elapsed() > 30000) {
            // Ends a drag that hangs, so that the test goes on to fail.
            xdotool({QStringLiteral("mouseup"), QStringLiteral("1"), QStringLiteral("key"), QStringLiteral("Escape")});
            finished = true;
            return;
        }
        if (!running) {
            running = true;
            xdotool(steps[next].command);
            return;
        }
        if (steps[next].done()) {
            running = false;
            if (++next == steps.size())
                finished = true;
        }
    });
    stepper.start(10);
    waitFor([&] { return finished; }, 60000);
    stepper.stop();
    const bool dropped = next == steps.size();
    EXPECT_TRUE(dropped) << "the drag stopped before step " << next + 1 << " of " << steps.size();
    return dropped;
}

void typeText(const QString& text) {
    const int before = counter().textKeyReleases;
    xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("15"), QStringLiteral("--"), text});
    EXPECT_TRUE(waitFor([&] { return counter().textKeyReleases >= before + text.size(); }))
        << "not every key of \"" << text.toStdString() << "\" arrived";
}

bool typeAt(const QWidget& widget, const QString& text, QPoint local) {
    if (!click(widget, local))
        return false;
    typeText(text);
    return true;
}

void keyChord(const QString& chord) {
    const int before = counter().keyReleases;
    xdotool({QStringLiteral("key"), QStringLiteral("--clearmodifiers"), chord});
    EXPECT_TRUE(waitFor([&] { return counter().keyReleases > before; })) << "the key " << chord.toStdString() << " never arrived";
}

QString saveShot(const QString& name) {
    const QString folder = QStringLiteral(KORVO_DISPLAY_SHOTS_DIR);
    QDir().mkpath(folder);
    const QString path = folder + QLatin1Char('/') + name + QStringLiteral(".png");
    // Paints what is pending, so that the picture shows the state the test sees.
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible())
            window->repaint();
    QGuiApplication::primaryScreen()->grabWindow(0).save(path);
    return path;
}

}
