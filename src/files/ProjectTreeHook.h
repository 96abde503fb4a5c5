#pragma once

#include <QString>

#include <functional>

// The project manager's tree is a view of the open projects: whatever
// changes them rebuilds it here, selecting the node keyed selectedKey. The
// panel installs the rebuild; until then it does nothing.
void PopulateTreeView(const QString& selectedKey = QString());
// An empty function uninstalls.
void SetPopulateTreeView(std::function<void(const QString& selectedKey)> rebuild);
