#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

#include <memory>

class frmMain;

// The single-instance hand-off. A full start holds a lock file beside the
// settings file; while another start holds it, a new start hands its
// command line over instead. The running instance names itself in
// Instance/Handle by its process id and listens on a local socket named from
// the settings file's path and that id, in a folder only the user can enter;
// the sender hands over only to a listener running as the same user. A message is a 32-bit big-endian
// length and that many UTF-8 bytes; the answer, one byte, comes once the
// receiver has handled it. The handle reaches the settings file with the
// one write of the start-up and leaves it with the one of the shutdown; a
// second start goes on reading meanwhile, as long as the lock's holder runs.

// Sent when the second start has no arguments: bring the window forward.
inline constexpr char kActivateMessage[] = "Aktiviraj";

// The folder of the hand-off sockets: $XDG_RUNTIME_DIR, else a folder of
// the user's own; "" when neither is the user's alone (no hand-off then).
QString InstanceSocketFolder();
// The socket path of the instance with this process id; "" without a folder.
QString InstanceServerName(qint64 processId);
// Removes the sockets of this settings file's instances that are gone.
void RemoveStaleInstanceSockets();
// Instance/Handle := this process's id.
void ClaimInstanceHandle();
// Instance/Handle := "0", unless another instance has claimed it since.
void ReleaseInstanceHandle();

// Held for the whole life of a full start.
class InstanceLock {
public:
    InstanceLock();
    // True when another running start holds the lock (and this one does not).
    bool previousInstanceRunning() const { return !held_; }
    // Whether the start that holds the lock still runs (false when this one holds it).
    bool holderRunning() const;
    // After a hand-off that nobody took: waits, up to the milliseconds, for
    // the holder (an instance on its way out) to end and takes the lock, so
    // that the next start hands off to this one.
    void takeOver(int timeoutMs);

private:
    std::unique_ptr<QLockFile> lock_;
    bool held_ = false;
};

// The sending side: reads Instance/Handle up to `reads` times, `intervalMs`
// apart, then delivers the message and waits for its answer. While the
// lock's holder still runs (it may not have written its handle yet, or its
// socket may be slow to accept on a loaded machine) it goes on reading and
// connecting for up to `holderWaitMs`. False when nobody took it (no handle,
// or nobody listening): the caller starts in full.
bool HandOff(const QString& message, int reads = 31, int intervalMs = 100, const InstanceLock* lock = nullptr,
             int holderWaitMs = 60000);

// A second start's hand-off: to the instance holding the lock, or, when that
// one ended meanwhile, to the start that took the lock after it. False when
// this start took the lock itself (or nobody takes the message): it starts in full.
bool HandOffOrTakeOver(const QString& message, InstanceLock& lock);

// The receiving side: listens, claims Instance/Handle, and passes each
// message to the main window's Text1_Change before answering.
class InstanceReceiver : public QObject {
    Q_OBJECT
public:
    // Claims at once.
    explicit InstanceReceiver(frmMain& window);

    // Listens and claims Instance/Handle.
    void claim();
    // Stops listening and releases Instance/Handle. A second start that
    // still reads this instance's handle (the settings file takes it at the
    // end of the shutdown) finds nobody listening and waits for the lock.
    void release();

private:
    void serve(class QLocalSocket* socket);

    frmMain& window_;
    QLocalServer server_;
};
