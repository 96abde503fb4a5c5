#pragma once

#include "platform/dock/LayoutData.h"

namespace dock {
class DockLayer;
}

// The code explorer panel's commands, its tool bar "CodeExplorer" (the
// seven lists, then the two scopes) and the popup "CodeExPopupMenu".
dock::LayoutData CodeExplorerLayout();

// Applies the layout, then the pictures and tooltips it does not hold.
void ApplyCodeExplorerLayout(dock::DockLayer& layer);
