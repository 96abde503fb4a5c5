#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// A combo box of the main window's command bars, as the fillers below use it.
class CommandCombo {
public:
    virtual ~CommandCombo() = default;
    virtual void Clear() = 0;
    virtual void AddItem(const QString& text, const QString& key) = 0;
};

// Finds a command-bar combo by its command key ("cboCompilers",
// "cboCommandLine"); null when there is none. The main window installs it.
using CommandComboFinder = std::function<CommandCombo*(const QString& commandKey)>;
void SetCommandComboFinder(CommandComboFinder finder);

// Refills "cboCompilers" with the compiler names in list order.
void PopulateCboCompilers();
// Refills "cboCommandLine" with the recent program command lines, newest first.
void PopulateCboCommandLine(const QStringList& commandLines);
