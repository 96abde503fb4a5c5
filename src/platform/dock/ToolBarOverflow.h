#pragma once

class QToolBar;

// A tool bar in a main window shows the tools that do not fit by growing in
// place over the window's contents when its extension button is pressed.
// Qt folds it back only when the pointer leaves it, so after a pick the grown
// bar stayed over the window. Once attached, the grown bar also folds back
// when one of its tools is used and when the user presses a mouse button
// anywhere outside it.
void FoldOverflowAfterUse(QToolBar* toolBar);
