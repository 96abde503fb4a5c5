#pragma once

#include "platform/BlockPool.h"
#include "foundation/CodeRecord.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

// Bucket code of an upper-cased name: the sum of its first (length mod 22)
// code units as signed 16-bit values.
int HashCode(const QString& Key);

// The record found by the last successful Exists, ExistsU or ExistsHash of
// any table; read it right after the call.
extern CodeRecordPtr gFoundItem;

// A chained hash table of declaration records. Names compare without case
// and one name may hold several records (one per declaring line), kept in
// the order they were added. Slots are preallocated and reused through a
// free list, so adding and removing while the user types rarely allocates.
// An empty table holds no storage. Most tables (a function's locals, a
// type's fields) hold a handful of records: up to kCompactRecords they sit in
// one chain with no marker index, and only a table that grows past that
// spreads them over its buckets.
class clsHash {
public:
    clsHash();
    clsHash(int HashSize, int ListSize, int ChunkSize);
    // Lists its records as a table of ListedBuckets buckets would, while
    // keeping only HashSize of them.
    clsHash(int HashSize, int ListSize, int ChunkSize, int ListedBuckets);

    // Keys always compare without case.
    bool IgnoreCase() const { return true; }

    // Drops every record and rebuilds the table; a size below 1 keeps the
    // current value. A new HashSize is also the number the table lists by.
    void SetSize(int HashSize, int ListSize, int ChunkSize);

    // hash is HashCode of the upper-cased key (or HashCodeNoCase of the key).
    bool Exists(const QString& key, int hash);
    bool ExistsU(const QString& upperKey, int hash);
    // The same in the key's own bucket, keyHash being KeyHash of the
    // upper-cased key: for a name tried in several tables.
    bool ExistsUpper(const QString& upperKey, size_t keyHash);
    bool ExistsHash(const QString& key);
    // As ExistsHash, leaving gFoundItem alone.
    bool ExistsOnlyHash(const QString& key) const;
    bool ExistsCodeExplorer(const QString& key, int Handle, const SciHandle& SciWndData) const;

    // Appends the record; an empty key raises error 1001 "Invalid key".
    void Add(const QString& key, CodeRecordPtr record);

    CodeRecordPtr ItemHash(const QString& key) const;
    // The record of that name in that document whose marker is on line; of
    // several, the one added last: a parse of the line added them from left
    // to right, and the rightmost is the scope the lines below stand in.
    CodeRecordPtr ItemHandle(const QString& key, int line, const SciHandle& SciWndData) const;

    // Removes the record of that name in that document whose marker is on
    // line, the one ItemHandle finds; nothing when there is none. True when one went. A record
    // whose handle is passedOver stays (a function's parameters share its
    // handle, its locals do not).
    bool Remove(const QString& key, int line, const SciHandle& SciWndData, int passedOver = 0);
    // Removes the first record of that name with that marker handle; a
    // missing record is reported to the error log.
    void RemovePoHandle(const QString& key, int Handle);
    void RemoveAll();
    // Removes every record of that document.
    void RemoveFromView(const SciHandle& SciWndData);

    int Count() const { return count_; }
    // In bucket order, then in order of addition within a bucket.
    QStringList Keys() const;
    QList<CodeRecordPtr> Items() const;
    // Hands each record to visit in the order Items lists them, without
    // copying the list, until visit returns false; false then.
    bool ForEachItem(const std::function<bool(const CodeRecordPtr&)>& visit) const;

    // Records every table has compared with a looked-up name and position,
    // so that a test can see how the work grows with the records of a name.
    static std::uint64_t RecordsExamined() { return examined_; }

private:
    struct Slot {
        // An ASCII key is kept as given (mostly the record's own name,
        // shared rather than copied) and upper-cased as it is compared;
        // any other key is kept upper-cased.
        QString key;
        size_t keyHash = 0;  // of the upper-cased key: a chain walk compares texts only when it matches
        CodeRecordPtr record;
        std::uint64_t order : 63 = 0;  // of addition, over the whole table
        std::uint64_t asGiven : 1 = 0;
        int next = 0;
        int previous = 0;

        bool keyIs(const QString& upperKey) const;
        // The same name, in any case, without upper-casing either.
        bool sameKey(const Slot& other) const;
        // HashCode of the upper-cased key.
        int bucketCode() const;
        QString upperKey() const;
    };

    // A document's marker handle: the records anchored to one marker.
    struct MarkerKey {
        long view = 0;
        int handle = 0;
        bool operator==(const MarkerKey&) const = default;
    };
    // A document numbers its handles upwards, so consecutive handles take
    // consecutive buckets and an insert seldom walks a chain of older ones.
    struct MarkerKeyHash {
        size_t operator()(const MarkerKey& k) const {
            return static_cast<size_t>(k.view) * 1000003u + static_cast<size_t>(static_cast<unsigned>(k.handle));
        }
    };

    static constexpr int kCompactRecords = 8;

    void allocate();
    // Slots are numbered from 1: 0 ends a chain and the free list.
    Slot& slotAt(int slot) { return slots_[static_cast<size_t>(slot - 1)]; }
    const Slot& slotAt(int slot) const { return slots_[static_cast<size_t>(slot - 1)]; }
    int bucketOf(int hash) const;
    bool spread() const { return chains_.size() == static_cast<size_t>(hashSize_); }
    // The chain a key of that hash is in.
    int chainOf(int hash) const { return spread() ? bucketOf(hash) : 0; }
    // Moves the records of the one chain into their buckets, in the order they were added, and indexes their markers.
    void spreadOut();
    // Appends the slot to the chain.
    void link(size_t chainIndex, int slot);
    // The occupied slots in listing order.
    std::vector<int> listedSlots() const;
    template <typename Matches>
    int findSlot(int bucket, const QString& upperKey, size_t keyHash, Matches matches, bool latest = false) const;
    // The record of that name added last among those whose marker is on
    // line in that document, found through the markers of the line.
    template <typename Matches>
    int findOnLine(const QString& upperKey, int line, const SciHandle& SciWndData, Matches matches) const;
    void grow(int added);
    void unlink(int bucket, int slot);
    // The first slot of the name in that chain, as a walk down it finds it.
    int firstSlot(int chain, const QString& upperKey, size_t keyHash) const;
    // The same in the chain of the name's own bucket code.
    int ownSlot(const QString& upperKey, size_t keyHash) const;
    // Sets gFoundItem to the slot's record when there is one.
    bool foundIn(int slot) const;
    // The place of the name in firstOfName_, or the empty place it would take.
    size_t namePlace(const QString& upperKey, size_t keyHash) const;
    size_t namePlace(const Slot& named) const;
    template <typename Named>
    size_t placeOf(size_t keyHash, Named named) const;
    void indexName(int slot);
    // Indexes the slot unless an earlier one of its name is.
    void placeName(int slot);
    // Before the slot leaves its chain: the next slot of its name there takes its place.
    void forgetName(int slot);
    void indexNames(size_t places);
    // Twice the places, for the same names.
    void widenNameIndex();
    void forgetMarker(int slot);

    // A bucket's chain of slots; its last slot is kept so that adding does not walk it.
    struct Chain {
        int head = 0;
        int tail = 0;
    };
    std::vector<Chain, PoolAllocator<Chain>> chains_;
    std::vector<Slot, PoolAllocator<Slot>> slots_;
    int hashSize_ = 2048;
    int listedBuckets_ = 0;  // 0: as many as it keeps
    int listSize_ = 256;
    int chunkSize_ = 256;
    int count_ = 0;
    int freeHead_ = 0;
    std::uint64_t added_ = 0;
    // Many records may share a name (a header repeated on every line): a
    // lookup by line asks the document for the line's markers instead of
    // asking every record of the name for its line.
    // Only a spread table keeps one.
    std::unique_ptr<std::unordered_multimap<MarkerKey, int, MarkerKeyHash>> byMarker_;
    // A spread table's first slot of each name, by the name's KeyHash, 0 for
    // an empty place: the bucket code sums characters, so names that differ
    // by a digit share a few long chains, and a lookup would walk them.
    std::vector<int, PoolAllocator<int>> firstOfName_;
    size_t names_ = 0;
    static inline std::uint64_t examined_ = 0;
};

// A table sized for the few names of one function's locals or one type's fields.
std::shared_ptr<clsHash> NewScopeTable();
