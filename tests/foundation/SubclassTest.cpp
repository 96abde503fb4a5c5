#include "foundation/Subclass.h"

#include <QApplication>
#include <QDropEvent>
#include <QFocusEvent>
#include <QMimeData>

#include <gtest/gtest.h>

#include <memory>

namespace {
// Records what reaches the handler instead of handling it.
class RecordingSubclass : public cViewSubclass {
public:
    void WindowProc(const SciNotification& scn) override { received.append(scn); }

    int count(int code) const {
        int n = 0;
        for (const SciNotification& scn : received)
            n += scn.code == code;
        return n;
    }

    QList<SciNotification> received;
};

void insert(SciView& view, const QByteArray& text) {
    view.send(QsciScintillaBase::SCI_ADDTEXT, static_cast<uptr_t>(text.size()),
              reinterpret_cast<sptr_t>(text.constData()));
}
}

TEST(Subclass, EachViewNotifiesOnlyItsOwnReceiver) {
    SciView firstView;
    SciView secondView;
    RecordingSubclass first;
    RecordingSubclass second;
    first.SubClass(&firstView);
    second.SubClass(&secondView);

    const QByteArray text("a\x00\xE9\r\n", 5);
    insert(firstView, text);
    ASSERT_GE(first.count(SCN_MODIFIED), 1);
    EXPECT_EQ(second.count(SCN_MODIFIED), 0);

    const SciNotification* inserted = nullptr;
    for (const SciNotification& scn : first.received)
        if (scn.code == SCN_MODIFIED && (scn.modificationType & QsciScintillaBase::SC_MOD_INSERTTEXT))
            inserted = &scn;
    ASSERT_NE(inserted, nullptr);
    EXPECT_EQ(inserted->text, text);
    EXPECT_EQ(inserted->length, 5);
    EXPECT_EQ(inserted->linesAdded, 1);

    const int firstCount = first.count(SCN_MODIFIED);
    insert(secondView, "b");
    EXPECT_GE(second.count(SCN_MODIFIED), 1);
    EXPECT_EQ(first.count(SCN_MODIFIED), firstCount);
}

TEST(Subclass, PaintingAndFocusReachTheReceiver) {
    SciView view;
    RecordingSubclass receiver;
    receiver.SubClass(&view);
    insert(view, "Print 1\r\n");
    view.resize(300, 200);
    view.show();
    view.grab();
    EXPECT_GE(receiver.count(SCN_STYLENEEDED), 1);
    EXPECT_GE(receiver.count(SCN_UPDATEUI), 1);
    EXPECT_GE(receiver.count(SCN_PAINTED), 1);

    QFocusEvent focusIn(QEvent::FocusIn, Qt::OtherFocusReason);
    QApplication::sendEvent(&view, &focusIn);
    QFocusEvent focusOut(QEvent::FocusOut, Qt::OtherFocusReason);
    QApplication::sendEvent(&view, &focusOut);
    EXPECT_EQ(receiver.count(SCN_FOCUSIN), 1);
    EXPECT_EQ(receiver.count(SCN_FOCUSOUT), 1);

    QMimeData files;
    const QUrl dropped = QUrl::fromLocalFile(QStringLiteral("/tmp/dropped file.bb"));
    files.setUrls({dropped});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view.viewport(), &enter);
    QDragMoveEvent move(QPoint(10, 10), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view.viewport(), &move);
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view.viewport(), &drop);
    ASSERT_EQ(receiver.count(SCN_URIDROPPED), 1);
    EXPECT_EQ(receiver.received.last().uri, dropped);
    EXPECT_EQ(view.send(QsciScintillaBase::SCI_GETLENGTH), 9);
}

TEST(Subclass, AViewIsSubclassedOnceAndUnhookedCleanly) {
    RecordingSubclass never;
    never.UnSubClass();

    SciView view;
    auto first = std::make_unique<RecordingSubclass>();
    RecordingSubclass second;
    first->SubClass(&view);
    second.SubClass(&view);
    first->SubClass(&view);
    EXPECT_EQ(cViewSubclass::FromView(&view), first.get());
    insert(view, "x");
    const int perInsert = first->count(SCN_MODIFIED);
    EXPECT_GE(perInsert, 1);
    EXPECT_EQ(second.count(SCN_MODIFIED), 0);

    first.reset();
    EXPECT_EQ(cViewSubclass::FromView(&view), nullptr);
    EXPECT_FALSE(view.property("nvAdvSubcls").isValid());
    insert(view, "y");

    second.SubClass(&view);
    EXPECT_EQ(cViewSubclass::FromView(&view), &second);
    insert(view, "z");
    EXPECT_EQ(second.count(SCN_MODIFIED), perInsert);

    auto gone = std::make_unique<SciView>();
    RecordingSubclass orphan;
    orphan.SubClass(gone.get());
    gone.reset();
    orphan.UnSubClass();
}
