#include "HeadlessMainWindow.h"
#include "../support/BuiltInKeywords.h"
#include "../support/HeadlessKorvo.h"

#include "build/CompilerList.h"
#include "editor/frmDoc.h"
#include "platform/dock/DockLayer.h"
#include "shell/frmMain.h"
#include "shell/frmSplash.h"

#include <QCoreApplication>

#include <cstdio>

bool HeadlessMainWindow::start(const QString& keywords, const char* mode) {
    if (!folders_.prepare()) {
        std::fprintf(stderr, "korvo-dump %s: cannot prepare a program folder\n", mode);
        return false;
    }
    StartHeadlessKorvo();
    {
        frmSplash splash;
        if (!splash.start() || !MainWindow())
            return false;
    }
    main_ = MainWindow();
    for (const CompilerPtr& compiler : gCompilers.NewEnum())
        if (!(keywords.isEmpty() ? LoadBuiltInKeywords(*compiler) : compiler->LoadKeywordsFrom(keywords)))
            return false;
    return true;
}

HeadlessMainWindow::~HeadlessMainWindow() {
    if (!main_)
        return;
    for (dock::DocumentWindow* window : main_->DS->documents().windows())
        if (auto* doc = qobject_cast<frmDoc*>(window->form()))
            doc->setDirty(false);
    main_->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
