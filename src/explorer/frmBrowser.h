#pragma once

#include <QString>
#include <QWidget>

namespace browser {
class WebBrowser;
}
class frmMainHelp;

// One help tab: a browser control filling a document window of the help
// window's docking layer. It titles its tab from the page, keeps the
// address history of the help window's address box, opens pages that ask
// for a new window in a new tab behind it, and reports its navigation
// state, load progress and status text.
class frmBrowser : public QWidget {
    Q_OBJECT
public:
    explicit frmBrowser(frmMainHelp& help, QWidget* parent = nullptr);

    browser::WebBrowser* Browser;
    QString DSID;
    bool CanBack = false;
    bool CanForward = false;
    int ProgressBarMax = 0;
    int ProgressBarValue = 0;

private:
    void Browser_BeforeNavigate2(const QString& url, bool& cancel);
    void Browser_NavigateComplete2(const QString& url);
    void Browser_NewWindow2(const QString& url);
    void CommandStateChange(int command, bool enable);
    void ProgressChange(int progress, int progressMax);
    void StatusTextChange(const QString& text);

    frmMainHelp& help_;
};
