#pragma once

class frmMain;

// From now on the main window's quick-help line (Rtb) shows what the
// language layer puts into quickHelp(), and its pane grows to the width of
// a longer text and returns to its plain width for a shorter one.
void ShowQuickHelpIn(frmMain& main);
