#pragma once

#include "platform/dock/LayoutData.h"

#include <optional>

// The help window's commands, tool bar and popups as compiled in.
dock::LayoutData BuiltInHelpLayout();

// A stored layout of the help window, taken only when it holds every
// command of the built-in one with its kind; none otherwise.
std::optional<dock::LayoutData> ReadHelpLayout(const QString& path);
