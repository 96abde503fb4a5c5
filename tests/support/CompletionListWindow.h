#pragma once

class QListWidget;

// The editor component's completion list window, when exactly one shows
// names: the component leaves the windows of lists it replaced behind, emptied.
QListWidget* ShownCompletionList();
