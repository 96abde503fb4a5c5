#include "platform/scintilla/HandleIndex.h"

#include <iterator>

HandleIndex::Page* HandleIndex::pageOf(int handle) const {
    if (handle < 0)
        return nullptr;
    const auto page = static_cast<size_t>(handle >> kPageBits);
    return page < firstPage_ || page - firstPage_ >= pages_.size() ? nullptr : pages_[page - firstPage_].get();
}

LineGroups::Group* HandleIndex::find(int handle) const {
    const Page* page = pageOf(handle);
    return page ? page->groups[static_cast<size_t>(handle & (kPageSize - 1))] : nullptr;
}

void HandleIndex::set(int handle, LineGroups::Group* group) {
    if (handle < 0 || !group)
        return;
    const auto page = static_cast<size_t>(handle >> kPageBits);
    if (pages_.empty()) {
        firstPage_ = page;
        leadingEmpty_ = 0;
    } else if (page < firstPage_) {
        std::vector<std::unique_ptr<Page>> grown(firstPage_ - page);
        grown.insert(grown.end(), std::make_move_iterator(pages_.begin()), std::make_move_iterator(pages_.end()));
        pages_ = std::move(grown);
        leadingEmpty_ += firstPage_ - page;
        firstPage_ = page;
    }
    if (page - firstPage_ >= pages_.size())
        pages_.resize(page - firstPage_ + 1);
    std::unique_ptr<Page>& owner = pages_[page - firstPage_];
    if (!owner) {
        owner = std::make_unique<Page>();
        if (page - firstPage_ < leadingEmpty_)
            leadingEmpty_ = page - firstPage_;
    }
    LineGroups::Group*& slot = owner->groups[static_cast<size_t>(handle & (kPageSize - 1))];
    if (!slot)
        ++owner->known;
    slot = group;
}

void HandleIndex::erase(int handle) {
    Page* page = pageOf(handle);
    if (!page)
        return;
    LineGroups::Group*& slot = page->groups[static_cast<size_t>(handle & (kPageSize - 1))];
    if (!slot)
        return;
    slot = nullptr;
    if (--page->known == 0) {
        const size_t entry = static_cast<size_t>(handle >> kPageBits) - firstPage_;
        pages_[entry].reset();
        if (entry == leadingEmpty_)
            dropLeadingEmptyPages();
    }
}

void HandleIndex::clear() {
    pages_.clear();
    firstPage_ = 0;
    leadingEmpty_ = 0;
}

// Counts the empty entries at the front, and cuts them off once they are
// half the table: each entry is counted and moved a bounded number of times.
void HandleIndex::dropLeadingEmptyPages() {
    while (leadingEmpty_ < pages_.size() && !pages_[leadingEmpty_])
        ++leadingEmpty_;
    if (leadingEmpty_ == pages_.size()) {
        clear();
        return;
    }
    if (leadingEmpty_ * 2 < pages_.size())
        return;
    pages_.erase(pages_.begin(), pages_.begin() + static_cast<std::ptrdiff_t>(leadingEmpty_));
    firstPage_ += leadingEmpty_;
    leadingEmpty_ = 0;
}
