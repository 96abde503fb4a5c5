#pragma once

#include "explorer/frmList.h"
#include "explorer/frmMainList.h"
#include "language/parser/ParsedDocuments.h"
#include "support/FakeHost.h"

#include <memory>

// A host whose activation makes the hosted document active, as the main
// window's does.
class ActivatingHost : public FakeHost {
public:
    void activateDocumentWindow(const QString& key) override;
};

// Parsed documents under an activating host, and the code explorer panel.
class ExplorerTest : public ParsedDocumentsTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Clicks a command of the panel's own command bar.
    void click(const QString& key);
    CodeListView& shown() const;
    // The texts of a list's rows, or with the file column.
    QStringList texts(const QString& list) const;
    QStringList rowsWithFile(const QString& list) const;
    CodeListItem* row(const QString& list, const QString& text) const;
    bool checked(const QString& key) const;

    ActivatingHost host;
    std::unique_ptr<frmMainList> panel;
    frmList* lists = nullptr;
};
