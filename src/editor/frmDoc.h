#pragma once

#include "foundation/CodeRecord.h"
#include "editor/NotificationHandlerHooks.h"
#include "platform/scintilla/SciView.h"
#include "platform/FileStamp.h"
#include "platform/StdShell.h"

#include <QMap>
#include <QString>
#include <QWidget>

#include <memory>

// The window of one open document: one Scintilla view covering it, the
// document's identity in its project and in the document host, and the
// receiver of its view's notifications.
class frmDoc : public QWidget {
    Q_OBJECT
public:
    explicit frmDoc(QWidget* parent = nullptr);
    ~frmDoc() override;

    // Setting either one to the value it holds changes nothing; a new value
    // refreshes the caption of the document's window in the host.
    bool Dirty() const { return mDirty; }
    void setDirty(bool dirty);
    QString Filename() const { return mFilename; }
    void setFilename(const QString& name);

    // Stores the name without touching the caption and sets up the view with
    // the options and the colour style. The caller makes this document the
    // current view first.
    void Initialise(const QString& name);
    // From here on the view's notifications reach the notification handler.
    void SubClass();
    // Has the view repaint.
    void Redraw();

    SciHandle SciEdi_WndData;
    SciView* Sci = nullptr;
    // Type fields whose Type line disappeared, by marker handle, until a Type adopts them.
    QMap<int, CodeRecordPtr> tmpFields;
    QString PrjName;
    QString PrjFullPath;
    bool SingleFile = false;
    QString FullFilename;
    long Callback_OldLine = 0;
    QString CompilerUsed;
    bool NewFile = false;
    QString m_strDocumentWindowID;
    bool IsSnippet = false;
    // The file as Korvo last read or wrote it, so that a save can tell
    // whether another program changed it meanwhile.
    platform::FileStamp DiskStamp;
    NotificationHandlerPtr m_oSubclass;
    // Runs this document's builds; its child dies with the document.
    std::unique_ptr<platform::StdShell> ShellClass;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void UpdateDocumentCaption();

    QString mFilename;
    bool mDirty = false;
};
