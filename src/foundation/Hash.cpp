#include "foundation/Hash.h"
#include "foundation/UpperKey.h"

#include "platform/scintilla/SciDirectCalls.h"
#include "foundation/errors/ErrorLog.h"
#include "platform/KorvoError.h"

#include <algorithm>
#include <bit>

CodeRecordPtr gFoundItem;

int HashCode(const QString& Key) {
    const qsizetype counted = Key.size() % 22;
    int sum = 0;
    for (qsizetype i = 0; i < counted; ++i)
        sum += static_cast<short>(Key[i].unicode());
    return sum;
}

namespace {

const QString kClassName = QStringLiteral("clsHash");

// A closed document has no markers left: its records lie on no line.
int markerLine(const CodeRecord& record) {
    return static_cast<int>(SciMarkerLineFromHandle(record.SciWndData, record.Handle));
}

bool anyRecord(const CodeRecord*) {
    return true;
}

}

bool clsHash::Slot::keyIs(const QString& upper) const {
    if (!asGiven)
        return key == upper;
    if (key.size() != upper.size())
        return false;
    const QChar* given = key.constData();
    const QChar* wanted = upper.constData();
    for (qsizetype i = 0; i < key.size(); ++i)
        if (AsciiUpper(given[i].unicode()) != wanted[i].unicode())
            return false;
    return true;
}

QString clsHash::Slot::upperKey() const {
    return asGiven ? UpperKey(key) : key;
}

// A key as given is ASCII and an upper-cased one has no a to z left: mapping
// a to z reads either in upper case.
bool clsHash::Slot::sameKey(const Slot& other) const {
    if (keyHash != other.keyHash || key.size() != other.key.size())
        return false;
    const QChar* mine = key.constData();
    const QChar* theirs = other.key.constData();
    for (qsizetype i = 0; i < key.size(); ++i)
        if (AsciiUpper(mine[i].unicode()) != AsciiUpper(theirs[i].unicode()))
            return false;
    return true;
}

int clsHash::Slot::bucketCode() const {
    const qsizetype counted = key.size() % 22;
    int sum = 0;
    for (qsizetype i = 0; i < counted; ++i)
        sum += static_cast<short>(AsciiUpper(key[i].unicode()));
    return sum;
}

clsHash::clsHash() {
    SetSize(hashSize_, listSize_, chunkSize_);
}

clsHash::clsHash(int HashSize, int ListSize, int ChunkSize) {
    SetSize(HashSize, ListSize, ChunkSize);
}

// Every function and type has one, most with a handful of names: the slots
// start with one and grow as the vector does, and the buckets are few. The
// records are listed in the order of 64 buckets all the same.
std::shared_ptr<clsHash> NewScopeTable() {
    return std::allocate_shared<clsHash>(PoolAllocator<clsHash>(), 16, 1, 1, 64);
}

clsHash::clsHash(int HashSize, int ListSize, int ChunkSize, int ListedBuckets) : clsHash(HashSize, ListSize, ChunkSize) {
    listedBuckets_ = ListedBuckets == hashSize_ ? 0 : ListedBuckets;
}

void clsHash::SetSize(int HashSize, int ListSize, int ChunkSize) {
    if (HashSize >= 1) {
        hashSize_ = HashSize;
        listedBuckets_ = 0;
    }
    if (ListSize >= 1)
        listSize_ = ListSize;
    if (ChunkSize >= 1)
        chunkSize_ = ChunkSize;
    count_ = 0;
    freeHead_ = 0;
    chains_.clear();
    slots_.clear();
    byMarker_.reset();
    firstOfName_.clear();
    names_ = 0;
}

// Most functions declare no locals and most tables stay empty: the chain
// and slots are allocated with the first record, not with the table.
void clsHash::allocate() {
    chains_.assign(1, Chain{});
    if (hashSize_ == 1)
        byMarker_ = std::make_unique<std::unordered_multimap<MarkerKey, int, MarkerKeyHash>>();
    slots_.reserve(static_cast<size_t>(listSize_));
    grow(listSize_);
}

// Keys of characters outside letters, digits and "_" can hash below 0 or
// past the last bucket; they are folded into the table the same way on
// every road, so they are found again where they were added.
int clsHash::bucketOf(int hash) const {
    const int bucket = hash % hashSize_;
    return bucket < 0 ? bucket + hashSize_ : bucket;
}

template <typename Matches>
int clsHash::findSlot(int bucket, const QString& upperKey, size_t keyHash, Matches matches, bool latest) const {
    if (chains_.empty())
        return 0;
    int found = 0;
    for (int slot = chains_[static_cast<size_t>(bucket)].head; slot; slot = slotAt(slot).next) {
        const Slot& s = slotAt(slot);
        if (s.keyHash == keyHash && s.keyIs(upperKey)) {
            ++examined_;
            if (matches(s.record.get())) {
                found = slot;
                if (!latest)
                    break;
            }
        }
    }
    return found;
}

// A view that cannot name the markers of a line leaves the walk over every
// record of the name to decide.
template <typename Matches>
int clsHash::findOnLine(const QString& upperKey, int line, const SciHandle& SciWndData, Matches matches) const {
    std::vector<int> handles;
    if (line < 0 || !byMarker_ || !SciTrackedMarkersOn(SciWndData, line, handles)) {
        return findSlot(chainOf(HashCode(upperKey)), upperKey, KeyHash(upperKey), [&](const CodeRecord* record) {
            return record && record->SciWndData == SciWndData && markerLine(*record) == line && matches(*record);
        }, true);
    }
    const size_t keyHash = KeyHash(upperKey);
    int found = 0;
    for (const int handle : handles) {
        const auto [first, last] = byMarker_->equal_range(MarkerKey{SciWndData.id(), handle});
        for (auto anchored = first; anchored != last; ++anchored) {
            const int slot = anchored->second;
            const Slot& s = slotAt(slot);
            ++examined_;
            if (s.keyHash == keyHash && s.keyIs(upperKey) && matches(*s.record)
                && (!found || s.order > slotAt(found).order))
                found = slot;
        }
    }
    return found;
}

void clsHash::grow(int added) {
    // A quarter more at a time keeps the unused slots of a large table few.
    const size_t needed = slots_.size() + static_cast<size_t>(added);
    if (needed > slots_.capacity())
        slots_.reserve(std::max(needed, slots_.size() + slots_.size() / 4));
    const int first = static_cast<int>(slots_.size()) + 1;
    slots_.resize(needed);
    for (int slot = first; slot < first + added - 1; ++slot)
        slotAt(slot).next = slot + 1;
    slots_.back().next = freeHead_;
    freeHead_ = first;
}

void clsHash::forgetMarker(int slot) {
    const CodeRecordPtr& record = slotAt(slot).record;
    if (!record || !byMarker_)
        return;
    const auto [first, last] = byMarker_->equal_range(MarkerKey{record->SciWndData.id(), record->Handle});
    for (auto anchored = first; anchored != last; ++anchored) {
        if (anchored->second == slot) {
            byMarker_->erase(anchored);
            return;
        }
    }
}

int clsHash::firstSlot(int chain, const QString& upperKey, size_t keyHash) const {
    // A caller's own bucket code may send the name to a chain it is not in.
    if (spread() && bucketOf(HashCode(upperKey)) != chain)
        return 0;
    return ownSlot(upperKey, keyHash);
}

int clsHash::ownSlot(const QString& upperKey, size_t keyHash) const {
    if (!spread())
        return findSlot(0, upperKey, keyHash, anyRecord);
    const int slot = firstOfName_[namePlace(upperKey, keyHash)];
    if (slot)
        ++examined_;
    return slot;
}

template <typename Named>
size_t clsHash::placeOf(size_t keyHash, Named named) const {
    const size_t mask = firstOfName_.size() - 1;
    for (size_t place = keyHash & mask;; place = (place + 1) & mask) {
        const int slot = firstOfName_[place];
        if (!slot || named(slotAt(slot)))
            return place;
    }
}

size_t clsHash::namePlace(const QString& upperKey, size_t keyHash) const {
    return placeOf(keyHash, [&](const Slot& s) { return s.keyHash == keyHash && s.keyIs(upperKey); });
}

size_t clsHash::namePlace(const Slot& named) const {
    return placeOf(named.keyHash, [&](const Slot& s) { return s.sameKey(named); });
}

void clsHash::indexName(int slot) {
    if ((names_ + 1) * 2 > firstOfName_.size())
        widenNameIndex();
    placeName(slot);
}

void clsHash::placeName(int slot) {
    int& first = firstOfName_[namePlace(slotAt(slot))];
    if (!first) {
        first = slot;
        ++names_;
    }
}

void clsHash::indexNames(size_t places) {
    firstOfName_.assign(std::max<size_t>(places, 16), 0);
    names_ = 0;
    for (const Chain& chain : chains_)
        for (int slot = chain.head; slot; slot = slotAt(slot).next)
            placeName(slot);
}

// The names indexed are all different: each takes the first empty place
// from its own, and no key is compared.
void clsHash::widenNameIndex() {
    std::vector<int, PoolAllocator<int>> narrow(firstOfName_.size() * 2, 0);
    narrow.swap(firstOfName_);
    const size_t mask = firstOfName_.size() - 1;
    for (const int slot : narrow) {
        if (!slot)
            continue;
        size_t place = slotAt(slot).keyHash & mask;
        while (firstOfName_[place])
            place = (place + 1) & mask;
        firstOfName_[place] = slot;
    }
}

void clsHash::forgetName(int slot) {
    const Slot& s = slotAt(slot);
    size_t hole = namePlace(s);
    if (firstOfName_[hole] != slot)
        return;
    for (int next = s.next; next; next = slotAt(next).next) {
        const Slot& later = slotAt(next);
        if (later.sameKey(s)) {
            firstOfName_[hole] = next;
            return;
        }
    }
    // Linear probing: names placed past the hole that may sit nearer their own place move back into it.
    const size_t mask = firstOfName_.size() - 1;
    for (size_t place = (hole + 1) & mask; firstOfName_[place]; place = (place + 1) & mask) {
        const size_t home = slotAt(firstOfName_[place]).keyHash & mask;
        if (((place - home) & mask) >= ((place - hole) & mask)) {
            firstOfName_[hole] = firstOfName_[place];
            hole = place;
        }
    }
    firstOfName_[hole] = 0;
    --names_;
}

void clsHash::unlink(int bucket, int slot) {
    if (spread())
        forgetName(slot);
    forgetMarker(slot);
    Slot& s = slotAt(slot);
    Chain& chain = chains_[static_cast<size_t>(bucket)];
    if (s.previous)
        slotAt(s.previous).next = s.next;
    else
        chain.head = s.next;
    if (s.next)
        slotAt(s.next).previous = s.previous;
    else
        chain.tail = s.previous;
    s.previous = 0;
    s.key.clear();
    s.record.reset();
    s.next = freeHead_;
    freeHead_ = slot;
    --count_;
}

bool clsHash::Exists(const QString& key, int hash) {
    return ExistsU(UpperKey(key), hash);
}

bool clsHash::ExistsU(const QString& upperKey, int hash) {
    return foundIn(firstSlot(chainOf(hash), upperKey, KeyHash(upperKey)));
}

bool clsHash::ExistsUpper(const QString& upperKey, size_t keyHash) {
    return foundIn(ownSlot(upperKey, keyHash));
}

bool clsHash::foundIn(int slot) const {
    if (slot)
        gFoundItem = slotAt(slot).record;
    return slot != 0;
}

bool clsHash::ExistsHash(const QString& key) {
    const QString upper = UpperKey(key);
    return ExistsU(upper, HashCode(upper));
}

bool clsHash::ExistsOnlyHash(const QString& key) const {
    const QString upper = UpperKey(key);
    return firstSlot(chainOf(HashCode(upper)), upper, KeyHash(upper)) != 0;
}

bool clsHash::ExistsCodeExplorer(const QString& key, int Handle, const SciHandle& SciWndData) const {
    const QString upper = UpperKey(key);
    return findSlot(chainOf(HashCode(upper)), upper, KeyHash(upper), [&](const CodeRecord* record) {
        return record && record->Handle == Handle && record->SciWndData == SciWndData;
    }) != 0;
}

void clsHash::Add(const QString& key, CodeRecordPtr record) {
    if (key.isEmpty())
        RaiseError(1001, QStringLiteral("Invalid key"), kClassName);
    if (chains_.empty())
        allocate();
    if (!freeHead_)
        grow(chunkSize_);
    const int slot = freeHead_;
    Slot& s = slotAt(slot);
    freeHead_ = s.next;
    s.next = 0;
    const bool ascii = std::all_of(key.cbegin(), key.cend(), [](QChar c) { return c.unicode() < 128; });
    const QString upper = UpperKey(key);
    s.key = ascii ? key : upper;
    s.asGiven = ascii;
    s.keyHash = KeyHash(upper);
    s.record = std::move(record);
    s.order = ++added_;
    ++count_;
    if (s.record && byMarker_)
        byMarker_->emplace(MarkerKey{s.record->SciWndData.id(), s.record->Handle}, slot);
    link(static_cast<size_t>(chainOf(HashCode(upper))), slot);
    if (spread())
        indexName(slot);
    else if (count_ > kCompactRecords)
        spreadOut();
}

void clsHash::link(size_t chainIndex, int slot) {
    Slot& s = slotAt(slot);
    Chain& chain = chains_[chainIndex];
    s.next = 0;
    s.previous = chain.tail;
    if (chain.tail)
        slotAt(chain.tail).next = slot;
    else
        chain.head = slot;
    chain.tail = slot;
}

void clsHash::spreadOut() {
    std::vector<int> added;
    added.reserve(static_cast<size_t>(count_));
    for (int slot = chains_.front().head; slot; slot = slotAt(slot).next)
        added.push_back(slot);
    chains_.assign(static_cast<size_t>(hashSize_), Chain{});
    byMarker_ = std::make_unique<std::unordered_multimap<MarkerKey, int, MarkerKeyHash>>();
    for (const int slot : added) {
        const Slot& s = slotAt(slot);
        if (s.record)
            byMarker_->emplace(MarkerKey{s.record->SciWndData.id(), s.record->Handle}, slot);
        link(static_cast<size_t>(bucketOf(s.bucketCode())), slot);
    }
    indexNames(std::bit_ceil(static_cast<size_t>(count_) * 2));
}

CodeRecordPtr clsHash::ItemHash(const QString& key) const {
    const QString upper = UpperKey(key);
    const int slot = firstSlot(chainOf(HashCode(upper)), upper, KeyHash(upper));
    return slot ? slotAt(slot).record : CodeRecordPtr();
}

CodeRecordPtr clsHash::ItemHandle(const QString& key, int line, const SciHandle& SciWndData) const {
    const int slot = findOnLine(UpperKey(key), line, SciWndData, [](const CodeRecord&) { return true; });
    return slot ? slotAt(slot).record : CodeRecordPtr();
}

bool clsHash::Remove(const QString& key, int line, const SciHandle& SciWndData, int passedOver) {
    try {
        if (key.isEmpty())
            return false;
        const QString upper = UpperKey(key);
        const int slot = findOnLine(upper, line, SciWndData, [&](const CodeRecord& record) {
            return !passedOver || record.Handle != passedOver;
        });
        if (slot)
            unlink(chainOf(HashCode(upper)), slot);
        return slot != 0;
    } catch (...) {
        SetErrorLog(QStringLiteral("Remove"), kClassName);
        return false;
    }
}

void clsHash::RemovePoHandle(const QString& key, int Handle) {
    if (key.isEmpty())
        return;
    try {
        const QString upper = UpperKey(key);
        const int bucket = chainOf(HashCode(upper));
        const int slot = findSlot(bucket, upper, KeyHash(upper), [&](const CodeRecord* record) {
            return record && record->Handle == Handle;
        });
        if (!slot)
            RaiseError(ErrInvalidProcedureCall, QStringLiteral("No such element"), kClassName);
        unlink(bucket, slot);
    } catch (...) {
        SetErrorLog(QStringLiteral("RemovePoHandle"), kClassName);
    }
}

void clsHash::RemoveFromView(const SciHandle& SciWndData) {
    for (size_t bucket = 0; bucket < chains_.size(); ++bucket) {
        for (int slot = chains_[bucket].head; slot;) {
            const int next = slotAt(slot).next;
            const CodeRecordPtr& record = slotAt(slot).record;
            if (record && record->SciWndData == SciWndData)
                unlink(int(bucket), slot);
            slot = next;
        }
    }
}

void clsHash::RemoveAll() {
    SetSize(0, 0, 0);
}

// A bucket's chain holds its records in the order they were added, so a
// table of fewer buckets lists as one of more by sorting on that order.
std::vector<int> clsHash::listedSlots() const {
    std::vector<int> listed;
    listed.reserve(static_cast<size_t>(count_));
    for (const Chain& chain : chains_)
        for (int slot = chain.head; slot; slot = slotAt(slot).next)
            listed.push_back(slot);
    // A compact table lists as its buckets would.
    const int buckets = listedBuckets_ ? listedBuckets_ : spread() ? 0 : hashSize_;
    if (!buckets)
        return listed;
    const auto listedBucket = [this, buckets](int slot) {
        const int bucket = slotAt(slot).bucketCode() % buckets;
        return bucket < 0 ? bucket + buckets : bucket;
    };
    std::sort(listed.begin(), listed.end(), [&](int a, int b) {
        const int bucketA = listedBucket(a);
        const int bucketB = listedBucket(b);
        return bucketA != bucketB ? bucketA < bucketB
                                  : slotAt(a).order < slotAt(b).order;
    });
    return listed;
}

QStringList clsHash::Keys() const {
    QStringList keys;
    keys.reserve(count_);
    for (const int slot : listedSlots())
        keys.append(slotAt(slot).upperKey());
    return keys;
}

QList<CodeRecordPtr> clsHash::Items() const {
    QList<CodeRecordPtr> items;
    items.reserve(count_);
    for (const int slot : listedSlots())
        items.append(slotAt(slot).record);
    return items;
}

// A spread table that lists in the order of its own buckets is walked as it stands.
bool clsHash::ForEachItem(const std::function<bool(const CodeRecordPtr&)>& visit) const {
    if (listedBuckets_ || !spread()) {
        for (const int slot : listedSlots())
            if (!visit(slotAt(slot).record))
                return false;
        return true;
    }
    for (const Chain& chain : chains_)
        for (int slot = chain.head; slot; slot = slotAt(slot).next)
            if (!visit(slotAt(slot).record))
                return false;
    return true;
}
