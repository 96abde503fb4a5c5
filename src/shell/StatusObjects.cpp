#include "shell/StatusObjects.h"

QPointer<dock::Command> gStatusMain;
QPointer<dock::CommandBar> gStatusBar;
QPointer<dock::Command> gPositionPane;
QPointer<dock::Command> gStatusProgressBar;
QPointer<dock::Command> gEdit1Pane;
