#include "foundation/WindowHelpers.h"

#include <Qsci/qsciscintillabase.h>

#include <QLineEdit>
#include <QRegularExpressionValidator>

void AddWindowStyle(QWidget* window, int style) {
    auto* edit = qobject_cast<QLineEdit*>(window);
    if (edit && (style & ES_NUMBER))
        edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
}

void SendStyleNeeded(QsciScintillaBase* view) {
    if (view)
        emit view->SCN_STYLENEEDED(int(view->SendScintilla(QsciScintillaBase::SCI_GETLENGTH)));
}
