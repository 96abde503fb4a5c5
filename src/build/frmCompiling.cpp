#include "build/frmCompiling.h"

#include "platform/Host.h"

#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QVBoxLayout>
#include <QWidget>

namespace {

class frmCompiling : public QWidget {
public:
    explicit frmCompiling(QWidget* owner) : QWidget(owner, Qt::Tool) {
        setWindowTitle(QStringLiteral(" Compiling"));
        setAttribute(Qt::WA_DeleteOnClose);
        ProgressBar = new QProgressBar(this);
        ProgressBar->setRange(0, 100);
        Label = new QLabel(QStringLiteral("Compiling program..."), this);
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(Label);
        layout->addWidget(ProgressBar);
        setFixedSize(320, 90);
    }

    QProgressBar* ProgressBar;
    QLabel* Label;
};

QPointer<frmCompiling> gWindow;

frmCompiling& window() {
    if (!gWindow) {
        gWindow = new frmCompiling(platform::host().mainWindow());
        gWindow->ProgressBar->setValue(0);
    }
    return *gWindow;
}

}

void ShowCompiling(const QString& label) {
    frmCompiling& form = window();
    form.ProgressBar->setValue(0);
    form.Label->setText(label);
    form.show();
}

int CompilingProgress() {
    return window().ProgressBar->value();
}

void SetCompilingProgress(int value) {
    window().ProgressBar->setValue(value);
}

void CloseCompiling() {
    if (gWindow) {
        gWindow->hide();
        delete gWindow.data();
    }
}

bool CompilingShown() {
    return gWindow && gWindow->isVisible();
}
