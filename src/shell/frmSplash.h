#pragma once

#include <QLabel>
#include <QWidget>

// The splash window of a full start: start() runs the loaders of every
// subsystem, each under its status text, and ends by showing the main window.
class frmSplash : public QWidget {
    Q_OBJECT
public:
    frmSplash();

    // False when a step failed or a loader ended the start.
    bool start();
    void SetStatus(const QString& sMessage);

    QLabel* lblBuild;
    QLabel* lblStatus;

signals:
    void statusShown(const QString& sMessage);
};
