#include "explorer/ExplorerFixture.h"

#include "editor/ActiveDocument.h"
#include "platform/dock/DockLayer.h"

void ActivatingHost::activateDocumentWindow(const QString& key) {
    FakeHost::activateDocumentWindow(key);
    if (auto* doc = qobject_cast<frmDoc*>(documentWindow(key)))
        ActivateDocument(doc);
}

void ExplorerTest::SetUp() {
    ParsedDocumentsTest::SetUp();
    panel = std::make_unique<frmMainList>();
    lists = panel->lists();
}

void ExplorerTest::TearDown() {
    panel.reset();
    ParsedDocumentsTest::TearDown();
}

void ExplorerTest::click(const QString& key) {
    panel->DSList->click(panel->DSList->command(key));
}

CodeListView& ExplorerTest::shown() const {
    return *lists->list(frmList::LastConstruct);
}

QStringList ExplorerTest::texts(const QString& list) const {
    QStringList out;
    const CodeListView& view = *lists->list(list);
    for (int i = 0; i < view.count(); ++i)
        out << view.at(i)->name();
    return out;
}

QStringList ExplorerTest::rowsWithFile(const QString& list) const {
    QStringList out;
    const CodeListView& view = *lists->list(list);
    for (int i = 0; i < view.count(); ++i)
        out << view.at(i)->name() + QLatin1Char('|') + view.at(i)->file();
    return out;
}

CodeListItem* ExplorerTest::row(const QString& list, const QString& text) const {
    const CodeListView& view = *lists->list(list);
    for (int i = 0; i < view.count(); ++i)
        if (view.at(i)->name() == text)
            return view.at(i);
    return nullptr;
}

bool ExplorerTest::checked(const QString& key) const {
    return panel->DSList->command(key).checked() != 0;
}
