#pragma once

#include <QString>
#include <QWidget>

class QPlainTextEdit;

// The output window: the log of the last build, one text box filling it.
class frmOutput : public QWidget {
    Q_OBJECT
public:
    explicit frmOutput(QWidget* parent = nullptr);

    // Appends the text and a line end; the text already there is kept as it is.
    void AddText(const QString& Text);
    void Clear();
    // Scrolls to the last line; nothing when the log is empty.
    void MoveToEnd();

    QString text() const;
    QPlainTextEdit* Text1 = nullptr;

signals:
    void textAdded(const QString& Text);
};

// The one output window, made on first use; the main window docks it.
frmOutput& OutputWindow();
