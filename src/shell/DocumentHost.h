#pragma once

#include <QHash>
#include <QPointer>
#include <QString>
#include <QTabWidget>

class frmDoc;

// A small stand-in for the main window's docking host: document windows as
// tabs keyed by their ID, each with its caption, and the active one, whose
// document is the current view. There is one host at a time: it counts the
// open document windows for the error log and sets the documents' captions.
class DocumentHost : public QTabWidget {
    Q_OBJECT
public:
    explicit DocumentHost(QWidget* parent = nullptr);
    ~DocumentHost() override;

    // Shows the document in a new window with that key and activates it.
    void addDocumentWindow(const QString& key, frmDoc* doc, const QString& caption);
    frmDoc* document(const QString& key) const;
    int documentCount() const;
    QString caption(const QString& key) const;
    // Sets the caption of the window with that key, if there is one.
    void setCaption(const QString& key, const QString& caption);
    frmDoc* activeDocument() const;
    // Raises error 50000 when no window has that key.
    void activate(const QString& key);

signals:
    void captionSet(const QString& key, const QString& caption);

private:
    void documentWindowActivated();

    QHash<QString, QPointer<frmDoc>> windows_;
    QPointer<frmDoc> active_;
};
