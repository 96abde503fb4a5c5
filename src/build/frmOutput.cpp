#include "build/frmOutput.h"

#include <QPlainTextEdit>
#include <QPointer>
#include <QTextCursor>
#include <QVBoxLayout>

frmOutput::frmOutput(QWidget* parent) : QWidget(parent), Text1(new QPlainTextEdit(this)) {
    setWindowTitle(QStringLiteral("Output window"));
    Text1->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Text1);
}

void frmOutput::AddText(const QString& Text) {
    QTextCursor end(Text1->document());
    end.movePosition(QTextCursor::End);
    end.insertText(Text + QLatin1Char('\n'));
    emit textAdded(Text);
}

void frmOutput::Clear() {
    Text1->clear();
}

void frmOutput::MoveToEnd() {
    if (Text1->document()->isEmpty())
        return;
    QTextCursor caret(Text1->document());
    caret.movePosition(QTextCursor::End);
    caret.movePosition(QTextCursor::PreviousCharacter);
    Text1->setTextCursor(caret);
    Text1->ensureCursorVisible();
}

QString frmOutput::text() const {
    return Text1->toPlainText();
}

frmOutput& OutputWindow() {
    static QPointer<frmOutput> window;
    if (!window)
        window = new frmOutput;
    return *window;
}
