#include "platform/CommandProcedures.h"

#include <QHash>

namespace platform {
namespace {

QHash<QString, CommandRow>& procedures() {
    static QHash<QString, CommandRow> all;
    return all;
}

}

void CommandRow::run(const CommandClick& click) const {
    if (plain_)
        plain_();
    else if (withClick_)
        withClick_(click);
}

void RegisterCommandProcedures(std::initializer_list<CommandRow> rows) {
    for (const CommandRow& row : rows)
        procedures().insert(QString::fromLatin1(row.key()), row);
}

const CommandRow* FindCommandProcedure(const QString& key) {
    const auto found = procedures().constFind(key);
    return found == procedures().cend() ? nullptr : &*found;
}

}
