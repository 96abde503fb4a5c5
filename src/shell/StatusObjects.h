#pragma once

#include "platform/dock/Command.h"
#include "platform/dock/CommandBar.h"

#include <QPointer>

// The status objects that other code addresses directly, looked up again
// after every layout load. They are guarded pointers: a layout without one
// of them leaves it null rather than dangling.
extern QPointer<dock::Command> gStatusMain;
extern QPointer<dock::CommandBar> gStatusBar;
extern QPointer<dock::Command> gPositionPane;
extern QPointer<dock::Command> gStatusProgressBar;
extern QPointer<dock::Command> gEdit1Pane;
