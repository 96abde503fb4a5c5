#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// Every modal question Korvo asks goes through this seam: message boxes,
// input boxes, file, folder and colour dialogs, and modal forms such as the
// error form. Tests install a handler that scripts the answers; with
// KORVO_NONINTERACTIVE=1 each prompt is written to standard error and takes
// its default answer.
namespace platform {

// Message box styles and answers, as the classic Basic runtime numbers them.
enum MsgBoxStyle {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbAbortRetryIgnore = 2,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbRetryCancel = 5,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
    vbDefaultButton1 = 0,
    vbDefaultButton2 = 256,
    vbDefaultButton3 = 512,
};
enum MsgBoxResult { vbOK = 1, vbCancel = 2, vbAbort = 3, vbRetry = 4, vbIgnore = 5, vbYes = 6, vbNo = 7 };

enum class PromptKind { MessageBox, InputBox, OpenFile, SaveFile, Folder, Colour, ModalForm };

struct PromptRequest {
    PromptKind kind = PromptKind::MessageBox;
    QString title;
    QString text;
    int buttons = vbOKOnly;  // message box: vbOKOnly .. vbRetryCancel
    int icon = 0;            // message box: vbCritical .. vbInformation, or 0
    int defaultButton = 0;   // message box: 0, 1 or 2
    QString defaultText;     // input box text; file dialogs: start path
    QString filter;          // file dialogs: "Blitz Basic (*.bb);;All files (*)"
    bool multiple = false;   // open file dialog: several files may be chosen
    unsigned colour = 0;     // colour dialog: initial 0x00BBGGRR
    QList<unsigned> customColours;  // colour dialog: the custom colours it offers, 0x00BBGGRR
    bool centred = false;    // colour dialog: centred on the screen
    QStringList choices;     // modal form: its buttons' captions, default first
    QString detail;          // modal form: what it is about, for a console
};

struct PromptAnswer {
    // Message box answer. Modal form: index of the chosen choice, or -1 when
    // the form is to be shown for real and answers for itself.
    int button = vbOK;
    bool accepted = true;     // false: the dialog was cancelled
    QString text;             // input box text, or the chosen path
    QStringList paths;        // the files of a multiple choice, in the dialog's order
    unsigned colour = 0;
    QList<unsigned> customColours;  // colour dialog: as the user left them
};

using PromptHandler = std::function<PromptAnswer(const PromptRequest&)>;

// Installs a handler (tests); an empty handler restores the normal one.
void setPromptHandler(PromptHandler handler);

PromptAnswer ask(const PromptRequest& request);

// The answer a prompt takes when nobody is there to answer it.
PromptAnswer defaultAnswer(const PromptRequest& request);

QString applicationTitle();

// The text cut to what a screen can show: at most 40 lines of at most
// longestLine characters, each cut line and the lines left out marked.
QString BoundedMessageText(const QString& text, qsizetype longestLine = 300);
// MsgBox(text, buttons + icon + default button, title); an empty title is the
// application's. Text and title are bounded (BoundedMessageText), the title
// to one line.
int MsgBox(const QString& text, int style = vbOKOnly, const QString& title = QString());
// The entered text, or "" when cancelled.
QString InputBox(const QString& text, const QString& title = QString(), const QString& defaultText = QString());
std::optional<QString> chooseOpenFile(const QString& title, const QString& startPath, const QString& filter);
// The chosen files in the dialog's order; empty when cancelled.
QStringList chooseOpenFiles(const QString& title, const QString& startPath, const QString& filter);
std::optional<QString> chooseSaveFile(const QString& title, const QString& startPath, const QString& filter);
std::optional<QString> chooseFolder(const QString& title, const QString& startPath);
std::optional<unsigned> chooseColour(const QString& title, unsigned initial);
// Opens centred on the screen, offers the custom colours and keeps the
// user's changes to them, also when the dialog is cancelled.
std::optional<unsigned> chooseColourCentred(const QString& title, unsigned initial, QList<unsigned>& customColours);

}
