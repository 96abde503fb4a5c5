#pragma once

#include <QList>
#include <QPair>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

// Korvo's stand-in for the desktop's web browser control: local HTML in
// rich-text views, framesets as splitters of views, one back and forward
// list of its own (an entry is the top page with each frame's page, jumps
// inside a page included), and the control's events. Loads are
// synchronous: navigate returns with the page shown, the ready state
// complete and the progress cleared (0 of 0). Desktop addresses (http, https,
// mailto) go to the desktop through the shell-open seam and load nothing.
namespace browser {

class FrameView;
struct PageSource;
struct FrameNode;

enum ReadyState { ReadyUninitialized = 0, ReadyLoading = 1, ReadyComplete = 4 };
enum CommandState { CommandForward = 1, CommandBack = 2 };

class WebBrowser : public QWidget {
    Q_OBJECT
public:
    explicit WebBrowser(QWidget* parent = nullptr);

    void navigate(const QString& address);
    void goBack();
    void goForward();
    // Reloads the top page and the frames it shows now.
    void refresh();
    // Loads are over when they return: nothing to stop.
    void stop() {}

    QString locationURL() const;
    // The top page's title, else its file name.
    QString locationName() const { return locationName_; }
    int readyState() const { return readyState_; }
    bool canGoBack() const { return at_ > 0; }
    bool canGoForward() const { return at_ >= 0 && at_ + 1 < history_.size(); }

    // The frames of the page shown, in document order, with their pages.
    QList<QPair<QString, QString>> frames() const;
    FrameView* frameView(const QString& name) const;
    // Gives the keyboard focus to the page shown (its first frame).
    void focusPage();

signals:
    // Before an address loads (a frame's address for a frame); cancel stops it.
    void beforeNavigate(const QString& url, bool& cancel);
    void navigateComplete(const QString& url);
    // A link asked for a new window: the receiver opens the address elsewhere.
    void newWindow(const QString& url);
    void commandStateChange(int command, bool enable);
    void progressChange(int progress, int progressMax);
    void statusTextChange(const QString& text);

private:
    struct Entry {
        QString top;
        QList<QPair<QString, QString>> frames;
    };

    // Raises the before-navigate event and hands desktop addresses on;
    // true when the address is to load here.
    bool allowed(const QString& address);
    void startLoad();
    // History first, so that the complete events see its new state.
    void finishLoad(const QStringList& loaded);
    void endLoad();
    QStringList topAndFrames() const;
    void showTop(const QString& address, const QList<QPair<QString, QString>>& frameAddresses);
    QWidget* buildFrameset(const FrameNode& node, const QString& topPath,
                           const QList<QPair<QString, QString>>& frameAddresses, QWidget* parent);
    FrameView* newView(const QString& name, QWidget* parent);
    void followLink(FrameView& from, const QString& address, const QString& target);
    void goTo(int index);
    void record();
    void announceCommandState();

    QWidget* content_ = nullptr;
    QList<QPointer<FrameView>> views_;
    QString top_;
    QString locationName_;
    int readyState_ = ReadyUninitialized;
    QList<Entry> history_;
    int at_ = -1;
};

}
