#pragma once

// The docking layer of the main window, for the code below the shell that
// adds or finds document windows; null before the main window exists.
namespace dock {

class DockLayer;

void setHostLayer(DockLayer* layer);
DockLayer* hostLayer();

}
