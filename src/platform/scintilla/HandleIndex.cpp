#include "platform/scintilla/HandleIndex.h"

LineGroups::Group* HandleIndex::find(int handle) const {
    if (handle < 0)
        return nullptr;
    const auto page = static_cast<size_t>(handle >> kPageBits);
    if (page >= pages_.size() || !pages_[page])
        return nullptr;
    return pages_[page]->groups[static_cast<size_t>(handle & (kPageSize - 1))];
}

void HandleIndex::set(int handle, LineGroups::Group* group) {
    if (handle < 0 || !group)
        return;
    const auto page = static_cast<size_t>(handle >> kPageBits);
    if (page >= pages_.size())
        pages_.resize(page + 1);
    if (!pages_[page])
        pages_[page] = std::make_unique<Page>();
    LineGroups::Group*& slot = pages_[page]->groups[static_cast<size_t>(handle & (kPageSize - 1))];
    if (!slot)
        ++pages_[page]->known;
    slot = group;
}

void HandleIndex::erase(int handle) {
    if (handle < 0)
        return;
    const auto page = static_cast<size_t>(handle >> kPageBits);
    if (page >= pages_.size() || !pages_[page])
        return;
    LineGroups::Group*& slot = pages_[page]->groups[static_cast<size_t>(handle & (kPageSize - 1))];
    if (!slot)
        return;
    slot = nullptr;
    if (--pages_[page]->known == 0)
        pages_[page].reset();
}
