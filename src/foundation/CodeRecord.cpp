#include "foundation/CodeRecord.h"

const QStringList& CodeRecord::References() const {
    static const QStringList none;
    return references_ ? *references_ : none;
}

void CodeRecord::AddReference(const QString& place) {
    if (!references_)
        references_ = std::make_unique<QStringList>();
    references_->append(place);
}
