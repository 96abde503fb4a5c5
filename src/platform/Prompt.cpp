#include "platform/Prompt.h"

#include "platform/scintilla/PaintGuard.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>
#include <QPushButton>
#include <QScreen>

#include <cstdio>

namespace platform {
namespace {

PromptHandler& installedHandler() {
    static PromptHandler handler;
    return handler;
}

QList<int> buttonAnswers(int buttons) {
    switch (buttons) {
    case vbOKCancel: return {vbOK, vbCancel};
    case vbAbortRetryIgnore: return {vbAbort, vbRetry, vbIgnore};
    case vbYesNoCancel: return {vbYes, vbNo, vbCancel};
    case vbYesNo: return {vbYes, vbNo};
    case vbRetryCancel: return {vbRetry, vbCancel};
    default: return {vbOK};
    }
}

QString answerCaption(int answer) {
    switch (answer) {
    case vbCancel: return QStringLiteral("Cancel");
    case vbAbort: return QStringLiteral("&Abort");
    case vbRetry: return QStringLiteral("&Retry");
    case vbIgnore: return QStringLiteral("&Ignore");
    case vbYes: return QStringLiteral("&Yes");
    case vbNo: return QStringLiteral("&No");
    default: return QStringLiteral("OK");
    }
}

QMessageBox::Icon messageIcon(int icon) {
    switch (icon) {
    case vbCritical: return QMessageBox::Critical;
    case vbQuestion: return QMessageBox::Question;
    case vbExclamation: return QMessageBox::Warning;
    case vbInformation: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

QColor toQColor(unsigned bgr) {
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

unsigned toBgr(const QColor& c) {
    return unsigned(c.red()) | unsigned(c.green()) << 8 | unsigned(c.blue()) << 16;
}

PromptAnswer showMessageBox(const PromptRequest& r) {
    QMessageBox box(messageIcon(r.icon), r.title, r.text, QMessageBox::NoButton, QApplication::activeWindow());
    const QList<int> answers = buttonAnswers(r.buttons);
    QList<QPushButton*> pushButtons;
    for (int answer : answers)
        pushButtons.append(box.addButton(answerCaption(answer), QMessageBox::AcceptRole));
    box.setDefaultButton(pushButtons.value(r.defaultButton, pushButtons.first()));
    if (answers.contains(vbCancel))
        box.setEscapeButton(pushButtons[answers.indexOf(vbCancel)]);
    // A box as wide as its text alone would have the window manager cut its title.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        constexpr int kTitleBarButtons = 120;
        const int titleWidth = box.fontMetrics().horizontalAdvance(r.title) + kTitleBarButtons;
        grid->addItem(new QSpacerItem(titleWidth, 0, QSizePolicy::Minimum, QSizePolicy::Minimum), grid->rowCount(), 0, 1,
                      grid->columnCount());
    }
    box.exec();
    const qsizetype clicked = pushButtons.indexOf(static_cast<QPushButton*>(box.clickedButton()));
    PromptAnswer a;
    a.button = clicked >= 0 ? answers[clicked] : (answers.contains(vbCancel) ? vbCancel : answers.first());
    a.accepted = a.button != vbCancel;
    return a;
}

PromptAnswer showColourDialog(const PromptRequest& r, QWidget* parent) {
    for (int i = 0; i < r.customColours.size() && i < QColorDialog::customCount(); ++i)
        QColorDialog::setCustomColor(i, toQColor(r.customColours[i]));
    QColorDialog dialog(toQColor(r.colour), parent);
    dialog.setWindowTitle(r.title);
    if (r.centred) {
        dialog.adjustSize();
        if (const QScreen* screen = dialog.screen())
            dialog.move(screen->geometry().center() - dialog.rect().center());
    }
    PromptAnswer a;
    a.accepted = dialog.exec() == QDialog::Accepted;
    a.colour = a.accepted ? toBgr(dialog.selectedColor()) : r.colour;
    for (int i = 0; i < r.customColours.size() && i < QColorDialog::customCount(); ++i)
        a.customColours.append(toBgr(QColorDialog::customColor(i)));
    return a;
}

PromptAnswer showInteractive(const PromptRequest& r) {
    PromptAnswer a;
    QWidget* parent = QApplication::activeWindow();
    switch (r.kind) {
    case PromptKind::MessageBox:
        return showMessageBox(r);
    case PromptKind::InputBox: {
        bool ok = false;
        a.text = QInputDialog::getText(parent, r.title, r.text, QLineEdit::Normal, r.defaultText, &ok);
        a.accepted = ok;
        break;
    }
    case PromptKind::OpenFile:
        if (r.multiple)
            a.paths = QFileDialog::getOpenFileNames(parent, r.title, r.defaultText, r.filter);
        else
            a.text = QFileDialog::getOpenFileName(parent, r.title, r.defaultText, r.filter);
        a.accepted = !a.text.isEmpty() || !a.paths.isEmpty();
        break;
    case PromptKind::SaveFile:
        a.text = QFileDialog::getSaveFileName(parent, r.title, r.defaultText, r.filter);
        a.accepted = !a.text.isEmpty();
        break;
    case PromptKind::Folder:
        a.text = QFileDialog::getExistingDirectory(parent, r.title, r.defaultText);
        a.accepted = !a.text.isEmpty();
        break;
    case PromptKind::Colour:
        return showColourDialog(r, parent);
    case PromptKind::ModalForm:
        // Modal forms show themselves; the seam only decides whether they may.
        a.button = -1;
        break;
    }
    return a;
}

bool nonInteractive() {
    return qEnvironmentVariable("KORVO_NONINTERACTIVE") == QLatin1String("1");
}

void record(const PromptRequest& r, const PromptAnswer& a) {
    static const char* kinds[] = {"message box", "input box", "open file", "save file", "folder", "colour", "form"};
    std::fprintf(stderr, "korvo prompt (%s) \"%s\": %s -> %d\n", kinds[static_cast<int>(r.kind)],
                 qPrintable(r.title), qPrintable(r.text), a.button);
    if (!r.detail.isEmpty())
        std::fprintf(stderr, "  %s\n", qPrintable(r.detail));
}

}

void setPromptHandler(PromptHandler handler) {
    installedHandler() = std::move(handler);
}

PromptAnswer defaultAnswer(const PromptRequest& r) {
    PromptAnswer a;
    switch (r.kind) {
    case PromptKind::MessageBox:
        a.button = buttonAnswers(r.buttons).value(r.defaultButton, vbOK);
        a.accepted = a.button != vbCancel;
        break;
    case PromptKind::InputBox:
        a.text = r.defaultText;
        break;
    case PromptKind::Colour:
        a.accepted = false;
        a.colour = r.colour;
        a.customColours = r.customColours;
        break;
    case PromptKind::ModalForm:
        a.button = 0;
        break;
    default:
        a.accepted = false;
        break;
    }
    return a;
}

PromptAnswer ask(const PromptRequest& request) {
    if (installedHandler())
        return installedHandler()(request);
    // A modal loop inside a view's paint would paint views inside that paint.
    if (nonInteractive() || insidePaint()) {
        const PromptAnswer a = defaultAnswer(request);
        record(request, a);
        return a;
    }
    return showInteractive(request);
}

QString applicationTitle() {
    return QStringLiteral("Korvo");
}

QString BoundedMessageText(const QString& text, qsizetype longestLine) {
    constexpr qsizetype kMostLines = 40;
    const QStringList lines = text.split(QLatin1Char('\n'));
    QStringList kept;
    for (qsizetype i = 0; i < lines.size() && i < kMostLines; ++i) {
        const QString& line = lines[i];
        kept.append(line.size() > longestLine ? line.left(longestLine) + QStringLiteral("...") +
                                                    (line.endsWith(QLatin1Char('\r')) ? QStringLiteral("\r") : QString())
                                              : line);
    }
    if (lines.size() > kMostLines)
        kept.append(QStringLiteral("... (%1 more lines)").arg(lines.size() - kMostLines));
    return kept.join(QLatin1Char('\n'));
}

int MsgBox(const QString& text, int style, const QString& title) {
    PromptRequest r;
    r.kind = PromptKind::MessageBox;
    r.text = BoundedMessageText(text);
    r.title = title.isEmpty() ? applicationTitle() : BoundedMessageText(title, 100).section(QLatin1Char('\n'), 0, 0);
    r.buttons = style & 7;
    r.icon = style & 0x70;
    r.defaultButton = (style & 0x300) >> 8;
    return ask(r).button;
}

QString InputBox(const QString& text, const QString& title, const QString& defaultText) {
    PromptRequest r;
    r.kind = PromptKind::InputBox;
    r.text = text;
    r.title = title.isEmpty() ? applicationTitle() : title;
    r.defaultText = defaultText;
    const PromptAnswer a = ask(r);
    return a.accepted ? a.text : QString();
}

namespace {

PromptRequest pathRequest(PromptKind kind, const QString& title, const QString& startPath, const QString& filter) {
    PromptRequest r;
    r.kind = kind;
    r.title = title;
    r.defaultText = startPath;
    r.filter = filter;
    return r;
}

std::optional<QString> choosePath(PromptKind kind, const QString& title, const QString& startPath, const QString& filter) {
    const PromptAnswer a = ask(pathRequest(kind, title, startPath, filter));
    if (!a.accepted || a.text.isEmpty())
        return std::nullopt;
    return a.text;
}

PromptRequest colourRequest(const QString& title, unsigned initial) {
    PromptRequest r;
    r.kind = PromptKind::Colour;
    r.title = title;
    r.colour = initial;
    return r;
}

}

std::optional<QString> chooseOpenFile(const QString& title, const QString& startPath, const QString& filter) {
    return choosePath(PromptKind::OpenFile, title, startPath, filter);
}

QStringList chooseOpenFiles(const QString& title, const QString& startPath, const QString& filter) {
    PromptRequest r = pathRequest(PromptKind::OpenFile, title, startPath, filter);
    r.multiple = true;
    const PromptAnswer a = ask(r);
    if (!a.accepted)
        return {};
    return a.paths.isEmpty() && !a.text.isEmpty() ? QStringList{a.text} : a.paths;
}

std::optional<QString> chooseSaveFile(const QString& title, const QString& startPath, const QString& filter) {
    return choosePath(PromptKind::SaveFile, title, startPath, filter);
}

std::optional<QString> chooseFolder(const QString& title, const QString& startPath) {
    return choosePath(PromptKind::Folder, title, startPath, QString());
}

std::optional<unsigned> chooseColour(const QString& title, unsigned initial) {
    const PromptAnswer a = ask(colourRequest(title, initial));
    if (!a.accepted)
        return std::nullopt;
    return a.colour;
}

std::optional<unsigned> chooseColourCentred(const QString& title, unsigned initial, QList<unsigned>& customColours) {
    PromptRequest r = colourRequest(title, initial);
    r.customColours = customColours;
    r.centred = true;
    const PromptAnswer a = ask(r);
    if (a.customColours.size() == customColours.size())
        customColours = a.customColours;
    if (!a.accepted)
        return std::nullopt;
    return a.colour;
}

}
