#pragma once

#include "aids/frmSnippets.h"
#include "editor/EditorFixture.h"

#include <QStringList>

#include <memory>

// A program folder holding Snippets/ with b.bb, A.bb, notes.txt, zeta/,
// Alpha/x.bb and Alpha/Deep/, and the snippets panel over it.
class SnippetsTest : public EditorTest {
protected:
    void SetUp() override;
    void TearDown() override;

    QString snippets(const QString& relative = QString()) const;
    void writeSnippet(const QString& relative, const QByteArray& bytes);
    // "  text|image" per node, two blanks a level.
    QStringList tree() const;
    QTreeWidgetItem* select(const QString& relative);
    QString selectedKey() const;
    QByteArray documentText() const;
    QStringList promptTexts() const;

    std::unique_ptr<frmSnippets> panel;
};
