#include "DialogDriver.h"
#include "DumpCommand.h"
#include "../support/HeadlessKorvo.h"
#include "../support/ProgramHome.h"

#include "build/CompilerList.h"
#include "foundation/controls/SpinText.h"
#include "platform/Prompt.h"
#include "settings/StyleStandIn.h"
#include "vocabulary/SettingsValues.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QQueue>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabWidget>

#include <map>
#include <string>

namespace {

std::map<std::string, DialogMaker>& dialogs() {
    static std::map<std::string, DialogMaker> all;
    return all;
}

QString escaped(QString text) {
    return text.replace(QLatin1Char('\r'), QLatin1String("\\r")).replace(QLatin1Char('\n'), QLatin1String("\\n"));
}

// Answers prompts from the queue, printing each.
class ScriptedPrompts {
public:
    ScriptedPrompts() {
        platform::setPromptHandler([this](const platform::PromptRequest& request) { return answer(request); });
    }
    ~ScriptedPrompts() { platform::setPromptHandler({}); }

    void queue(const QString& value) { answers_.enqueue(value); }

private:
    platform::PromptAnswer answer(const platform::PromptRequest& request) {
        printLine(QStringLiteral("prompt:%1|%2").arg(escaped(request.title), escaped(request.text)));
        platform::PromptAnswer a = platform::defaultAnswer(request);
        if (answers_.isEmpty())
            return a;
        const QString value = answers_.dequeue();
        const QString word = value.toLower();
        if (word == QLatin1String("cancel")) {
            a.accepted = false;
            a.button = platform::vbCancel;
            a.text.clear();
        } else if (request.kind == platform::PromptKind::MessageBox) {
            a.button = word == QLatin1String("yes") ? platform::vbYes
                       : word == QLatin1String("no") ? platform::vbNo
                                                     : platform::vbOK;
        } else if (word != QLatin1String("ok")) {
            a.accepted = true;
            a.text = value;
            a.paths = QStringList{value};
        } else {
            a.accepted = true;
            a.text = request.defaultText;
        }
        return a;
    }

    QQueue<QString> answers_;
};

bool isControl(const QWidget* w) {
    if (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_")))
        return false;
    for (const QWidget* up = w->parentWidget(); up; up = up->parentWidget())
        if (qobject_cast<const SpinText*>(up) || qobject_cast<const QComboBox*>(up))
            return false;
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLineEdit*>(w) ||
           qobject_cast<const SpinText*>(w) || qobject_cast<const QListWidget*>(w) ||
           qobject_cast<const QComboBox*>(w) || qobject_cast<const QTabWidget*>(w) ||
           qobject_cast<const QPlainTextEdit*>(w);
}

// The controls in the order the dialog lays them out, pages in page order.
void collectControls(QWidget* parent, QList<QWidget*>& controls) {
    QList<QWidget*> children;
    if (auto* tabs = qobject_cast<QTabWidget*>(parent)) {
        for (int i = 0; i < tabs->count(); ++i)
            children.append(tabs->widget(i));
    } else {
        children = parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    }
    for (QWidget* child : children) {
        if (isControl(child))
            controls.append(child);
        collectControls(child, controls);
    }
}

QList<QWidget*> controlsOf(QDialog& dialog) {
    QList<QWidget*> controls;
    collectControls(&dialog, controls);
    return controls;
}

QWidget* control(QDialog& dialog, const QString& name) {
    for (QWidget* w : controlsOf(dialog))
        if (w->objectName() == name)
            return w;
    return nullptr;
}

QString valueOf(const QWidget* w) {
    if (const auto* box = qobject_cast<const QAbstractButton*>(w))
        return box->isCheckable() ? QString::number(box->isChecked() ? 1 : 0) : box->text();
    if (const auto* spin = qobject_cast<const SpinText*>(w))
        return spin->Text();
    if (const auto* line = qobject_cast<const QLineEdit*>(w))
        return line->text();
    if (const auto* text = qobject_cast<const QPlainTextEdit*>(w))
        return text->toPlainText();
    if (const auto* list = qobject_cast<const QListWidget*>(w))
        return list->currentItem() ? list->currentItem()->text() : QString();
    if (const auto* combo = qobject_cast<const QComboBox*>(w))
        return combo->currentText();
    if (const auto* tabs = qobject_cast<const QTabWidget*>(w))
        return QString::number(tabs->currentIndex());
    return QString();
}

// Enabled as far as its own page goes: a hidden page's container is off.
bool enabledOnItsPage(const QWidget* w, const QDialog& dialog) {
    for (const QWidget* up = w; up && up != &dialog; up = up->parentWidget()) {
        const QWidget* stack = up->parentWidget();
        if (qobject_cast<const QStackedWidget*>(stack) && qobject_cast<const QTabWidget*>(stack->parentWidget()))
            return up == w ? true : w->isEnabledTo(up);
    }
    return w->isEnabledTo(&dialog);
}

void typeInto(QLineEdit* line, const QString& text) {
    line->setFocus();
    line->selectAll();
    line->insert(text);
}

bool setValue(QWidget* w, const QString& value) {
    if (auto* radio = qobject_cast<QRadioButton*>(w)) {
        if (value == QLatin1String("1"))
            radio->click();
        else if (radio->isChecked()) {
            radio->setAutoExclusive(false);
            radio->setChecked(false);
            radio->setAutoExclusive(true);
        }
        return true;
    }
    if (auto* box = qobject_cast<QAbstractButton*>(w)) {
        if (box->isCheckable() && box->isChecked() != (value == QLatin1String("1")))
            box->click();
        return true;
    }
    if (auto* spin = qobject_cast<SpinText*>(w)) {
        typeInto(spin->TextBox(), value);
        return true;
    }
    if (auto* line = qobject_cast<QLineEdit*>(w)) {
        typeInto(line, value);
        return true;
    }
    if (auto* text = qobject_cast<QPlainTextEdit*>(w)) {
        text->setPlainText(value);
        return true;
    }
    if (auto* list = qobject_cast<QListWidget*>(w)) {
        const QList<QListWidgetItem*> found = list->findItems(value, Qt::MatchExactly);
        if (found.isEmpty())
            return false;
        list->setCurrentItem(found.first());
        emit list->itemClicked(found.first());
        return true;
    }
    if (auto* combo = qobject_cast<QComboBox*>(w)) {
        const int index = combo->findText(value);
        if (index < 0)
            return false;
        combo->setCurrentIndex(index);
        emit combo->activated(index);
        return true;
    }
    if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
        tabs->setCurrentIndex(value.toInt());
        return true;
    }
    return false;
}

bool sendKey(QDialog& dialog, const QString& key) {
    QKeyEvent event = key == QLatin1String("Ctrl+Tab")
                          ? QKeyEvent(QEvent::KeyPress, Qt::Key_Tab, Qt::ControlModifier)
                          : QKeyEvent(QEvent::KeyPress, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    if (key != QLatin1String("Ctrl+Tab") && key != QLatin1String("Ctrl+Shift+Tab"))
        return false;
    QWidget* target = dialog.focusWidget() ? dialog.focusWidget() : &dialog;
    QApplication::sendEvent(target, &event);
    return true;
}

// Takes one ARG; false when it names nothing the dialog has, or a control
// the user could not reach (disabled, or on a page not shown).
bool act(QDialog& dialog, ScriptedPrompts& prompts, const QString& arg) {
    if (arg == QLatin1String("close")) {
        dialog.close();
        return true;
    }
    if (arg.startsWith(QLatin1String("answer:"))) {
        prompts.queue(arg.mid(7));
        return true;
    }
    if (arg.startsWith(QLatin1String("key:")))
        return sendKey(dialog, arg.mid(4));
    const qsizetype equals = arg.indexOf(QLatin1Char('='));
    QWidget* w = control(dialog, equals < 0 ? arg : arg.left(equals));
    if (!w || !w->isEnabled())
        return false;
    if (equals >= 0)
        return setValue(w, arg.mid(equals + 1));
    if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        button->click();
        return true;
    }
    return false;
}

int dumpDialog(const QStringList& args) {
    if (args.isEmpty())
        return kWrongArguments;
    const auto found = dialogs().find(args.first().toStdString());
    if (found == dialogs().end())
        return kWrongArguments;
    RunFolders folders;
    if (!folders.prepare())
        return 1;
    StartHeadlessKorvo();
    if (QFileInfo::exists(CompilerListPath()))
        LoadCompilers();
    LoadStyle(SciStyleName);

    ScriptedPrompts prompts;
    std::unique_ptr<QDialog> dialog = found->second();
    bool closed = false;
    QObject::connect(dialog.get(), &QDialog::finished, [&closed] { closed = true; });
    dialog->show();
    QApplication::processEvents();
    int exitCode = 0;
    for (const QString& arg : args.mid(1)) {
        if (closed || !act(*dialog, prompts, arg)) {
            std::fprintf(stderr, "cannot take %s\n", qPrintable(arg));
            exitCode = 1;
        }
        QApplication::processEvents();
    }
    if (closed)
        printLine(QStringLiteral("closed"));
    for (const QWidget* w : controlsOf(*dialog))
        printLine(QStringLiteral("%1=%2%3").arg(w->objectName(), escaped(valueOf(w)),
                                               enabledOnItsPage(w, *dialog) ? QString() : QStringLiteral(" disabled")));
    return exitCode;
}

const DumpCommand dialogCommand("--dialog", "NAME [NAME=VALUE|NAME|close|key:KEYS|answer:VALUE]...", dumpDialog);

}

DumpDialog::DumpDialog(const char* name, DialogMaker make) {
    dialogs()[name] = std::move(make);
}
