#pragma once

#include "platform/Host.h"

#include <QHash>
#include <QPointer>
#include <QString>
#include <QTabWidget>

class frmDoc;

// A small stand-in for the main window's docking host: document windows as
// tabs keyed by their ID, each with its caption, and the active one, whose
// document is the active document. Commands and status panes are plain
// values until there are command bars. It is the installed host while it
// exists.
class DocumentHost : public QTabWidget, public platform::HeadlessHost {
    Q_OBJECT
public:
    explicit DocumentHost(QWidget* parent = nullptr);
    ~DocumentHost() override;

    // Shows the document in a new window with that key and activates it.
    void addDocumentWindow(const QString& key, frmDoc* doc, const QString& caption);
    frmDoc* activeDocument() const;

    int documentWindowCount() const override;
    QStringList documentWindowKeys() const override;
    QWidget* documentWindow(const QString& key) const override;
    void activateDocumentWindow(const QString& key) override;
    QString documentWindowCaption(const QString& key) const override;
    void setDocumentWindowCaption(const QString& key, const QString& caption) override;
    void setRedraw(bool redraw) override;
    void refreshCodeExplorer() override;
    void invalidateCodeExplorer() override;

signals:
    void captionSet(const QString& key, const QString& caption);

private:
    frmDoc* document(const QString& key) const;
    void documentWindowActivated();

    QHash<QString, QPointer<frmDoc>> windows_;
    QPointer<frmDoc> active_;
};
