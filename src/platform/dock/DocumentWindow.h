#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

// A document window of the central document area: a closable tab hosting
// one form. Its key is what its owner calls it (a path, "HELP WINDOW"); its
// ID "{" + UUID + "}" is given at creation and never changes.
namespace dock {

// A window goes when its area removes it; hold it with a QPointer across
// anything that may close windows.
class DocumentWindow : public QObject {
    Q_OBJECT
public:
    DocumentWindow(QString id, QString key, QString caption, QWidget* form, QObject* parent)
        : QObject(parent), id_(std::move(id)), key_(std::move(key)), caption_(std::move(caption)), form_(form) {}

    QString id() const { return id_; }
    QString key() const { return key_; }
    void setKey(const QString& key) { key_ = key; }
    QString caption() const { return caption_; }
    QWidget* form() const { return form_; }
    bool visible() const { return visible_; }
    // Set on windows that are not plain documents; every document handler skips them.
    bool nonDocument() const { return nonDocument_; }
    void setNonDocument(bool nonDocument) { nonDocument_ = nonDocument; }

private:
    friend class DocumentArea;
    QString id_;
    QString key_;
    QString caption_;
    QPointer<QWidget> form_;
    QPointer<QWidget> page_;  // the form, or a blank page while it hosts none
    bool visible_ = false;
    bool nonDocument_ = false;
};

}
