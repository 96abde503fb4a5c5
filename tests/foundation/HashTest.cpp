#include "foundation/Hash.h"

#include "language/lexer/Lexer.h"
#include "platform/KorvoError.h"
#include "support/TestEnvironment.h"

#include <algorithm>
#include <memory>
#include <random>
#include <vector>

namespace {

CodeRecordPtr record(const QString& name, int handle = 0, SciView* view = nullptr) {
    auto r = std::make_shared<CodeRecord>();
    r->Ime = name;
    r->Handle = handle;
    r->SciWndData = SciHandle(view);
    return r;
}

// A document of a few lines with the declaration marker on one of them.
struct Document {
    explicit Document(bool trackLines = false) {
        if (trackLines)
            view.trackMarkerLines(1u << 8);
        view.send(QsciScintillaBase::SCI_APPENDTEXT, 15, reinterpret_cast<sptr_t>("one\r\ntwo\r\nsix\r\n"));
    }
    int mark(int line) { return static_cast<int>(view.send(QsciScintillaBase::SCI_MARKERADD, static_cast<uptr_t>(line), 8)); }

    SciView view;
};

class Hash : public KorvoTest {
protected:
    qint64 errorLogSize() const { return readAll(homeFile(QStringLiteral("error.log"))).size(); }
};

}

TEST_F(Hash, SeveralRecordsUnderOneNameInTheOrderAdded) {
    clsHash table;
    const CodeRecordPtr first = record("Foo", 1);
    const CodeRecordPtr second = record("FOO", 2);
    table.Add(first->Ime, first);
    table.Add(second->Ime, second);
    table.Add("Bar", record("Bar", 3));
    EXPECT_EQ(table.Count(), 3);
    EXPECT_EQ(table.Keys(), QStringList({"BAR", "FOO", "FOO"}));
    EXPECT_EQ(table.Items().at(2), second);
    EXPECT_EQ(table.ItemHash("foo"), first);

    gFoundItem.reset();
    EXPECT_TRUE(table.ExistsOnlyHash("fOO"));
    EXPECT_EQ(gFoundItem, nullptr);
    EXPECT_TRUE(table.ExistsHash("foo"));
    EXPECT_EQ(gFoundItem, first);
    EXPECT_TRUE(table.Exists("bar", HashCode("BAR")));
    EXPECT_TRUE(table.ExistsU("BAR", HashCodeNoCase("bar")));
    EXPECT_FALSE(table.ExistsU("bar", HashCode("BAR")));
    EXPECT_FALSE(table.ExistsHash("baz"));
    EXPECT_EQ(table.ItemHash("baz"), nullptr);

    table.RemovePoHandle("foo", 1);
    EXPECT_EQ(table.ItemHash("foo"), second);
    EXPECT_EQ(table.Count(), 2);
    EXPECT_EQ(first.use_count(), 1);
    EXPECT_EQ(errorLogSize(), 0);
}

TEST_F(Hash, GrowsBeyondItsSlotsAndReusesFreedOnes) {
    clsHash table;
    for (int i = 0; i < 257; ++i)
        table.Add(QStringLiteral("n%1").arg(i), record("n", i));
    EXPECT_EQ(table.Count(), 257);
    EXPECT_EQ(table.ItemHash("N256")->Handle, 256);
    EXPECT_EQ(table.ItemHash("N0")->Handle, 0);

    table.RemovePoHandle("n7", 7);
    table.Add("n7", record("n", 1007));
    EXPECT_EQ(table.ItemHash("n7")->Handle, 1007);

    table.RemoveAll();
    EXPECT_EQ(table.Count(), 0);
    EXPECT_TRUE(table.Items().isEmpty());
    EXPECT_FALSE(table.ExistsHash("n1"));
    table.Add("again", record("again"));
    EXPECT_EQ(table.Keys(), QStringList({"AGAIN"}));

    // Bucket order first, then order of addition within a bucket.
    table.SetSize(16, 0, 0);
    table.Add("B", record("B"));
    table.Add("A", record("A"));
    table.Add("Q", record("Q"));
    EXPECT_EQ(table.Keys(), QStringList({"A", "Q", "B"}));
}

// A scope table keeps fewer buckets than it lists by: names that share one
// of its buckets still come in the order of 64 buckets, added, removed and
// added again, and each is still found.
TEST_F(Hash, AScopeTableListsAsATableOf64Buckets) {
    const std::shared_ptr<clsHash> scope = NewScopeTable();
    clsHash listed(64, 4, 4);
    for (clsHash* table : {scope.get(), &listed}) {
        for (const char* name : {"Q", "B", "a", "q", "A"})
            table->Add(name, record(name, 1));
        table->RemovePoHandle("b", 1);
        table->Add("b", record("b", 2));
        table->RemovePoHandle("Q", 1);
    }
    EXPECT_EQ(scope->Keys(), QStringList({"A", "A", "B", "Q"}));
    EXPECT_EQ(scope->Keys(), listed.Keys());
    QStringList names;
    for (const CodeRecordPtr& r : scope->Items())
        names.append(r->Ime);
    EXPECT_EQ(names, QStringList({"a", "A", "b", "q"}));
    EXPECT_EQ(scope->ItemHash("B")->Handle, 2);
    EXPECT_EQ(scope->Count(), 4);
}

// Completion walks a table in place: in the order Items lists it, as far as it is asked to go.
TEST_F(Hash, EachItemIsVisitedInTheOrderItemsListsThemUntilTheVisitStops) {
    const std::shared_ptr<clsHash> scope = NewScopeTable();
    clsHash plain;
    for (clsHash* table : {scope.get(), &plain}) {
        for (const char* name : {"scoreB", "Lives", "SCOREa", "score", "sc", "xscore", "ScoreA"})
            table->Add(name, record(name, 1));
        QList<CodeRecordPtr> visited;
        EXPECT_TRUE(table->ForEachItem([&](const CodeRecordPtr& r) {
            visited.append(r);
            return true;
        }));
        EXPECT_EQ(visited, table->Items());
        int left = 3;
        EXPECT_FALSE(table->ForEachItem([&](const CodeRecordPtr&) { return --left > 0; }));
        EXPECT_EQ(left, 0);
    }
}

TEST_F(Hash, RefusesAnEmptyKeyAndReportsAMissingRecord) {
    clsHash table;
    table.Add("x", record("x", 4));
    try {
        table.Add("", record("y"));
        ADD_FAILURE() << "an empty key was accepted";
    } catch (const KorvoError& error) {
        EXPECT_EQ(error.number, 1001);
        EXPECT_EQ(error.description, "Invalid key");
    }
    EXPECT_EQ(table.Count(), 1);

    table.RemovePoHandle("", 4);
    table.Remove("", 0, SciHandle());
    EXPECT_EQ(errorLogSize(), 0);
    table.RemovePoHandle("x", 5);
    EXPECT_GT(errorLogSize(), 0);
    EXPECT_TRUE(readAll(homeFile(QStringLiteral("error.log"))).contains("RemovePoHandle"));
    EXPECT_EQ(table.Count(), 1);
}

TEST_F(Hash, KeysOutsideTheNameAlphabetAreFoundWhereTheyWereAdded) {
    clsHash table;
    const QStringList keys = {QString(22, 'Z'), QStringLiteral("\u20acuro.bb"), QStringLiteral("\uFFFF\uFFFE"),
                              QStringLiteral("\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9.bb")};
    for (int i = 0; i < keys.size(); ++i)
        table.Add(keys[i], record(keys[i], i));
    for (int i = 0; i < keys.size(); ++i) {
        const QString upper = keys[i].toUpper();
        EXPECT_TRUE(table.Exists(keys[i], HashCode(upper))) << i;
        EXPECT_EQ(gFoundItem->Handle, i);
        EXPECT_EQ(table.ItemHash(keys[i].toLower())->Handle, i);
    }
    table.RemovePoHandle(keys[1], 1);
    EXPECT_FALSE(table.ExistsHash(keys[1]));
    EXPECT_EQ(table.Count(), 3);
    EXPECT_EQ(errorLogSize(), 0);
}

TEST_F(Hash, MarkerLookupsAskEachRecordsOwnDocument) {
    Document a;
    auto b = std::make_unique<Document>();
    const int handleA = a.mark(1);
    const int handleB = b->mark(1);
    ASSERT_EQ(handleA, handleB);

    clsHash table;
    const CodeRecordPtr inA = record("Shared", handleA, &a.view);
    const CodeRecordPtr inB = record("Shared", handleB, &b->view);
    table.Add("Shared", inA);
    table.Add("Shared", inB);
    const SciHandle docA(&a.view);
    const SciHandle docB(&b->view);

    EXPECT_EQ(table.ItemHandle("shared", 1, docB), inB);
    EXPECT_EQ(table.ItemHandle("shared", 1, docA), inA);
    EXPECT_EQ(table.ItemHandle("shared", 0, docA), nullptr);
    EXPECT_TRUE(table.ExistsCodeExplorer("SHARED", handleB, docB));
    EXPECT_FALSE(table.ExistsCodeExplorer("SHARED", handleB + 1, docB));

    // An edit above the declaration moves its marker off the line.
    a.view.send(QsciScintillaBase::SCI_INSERTTEXT, 0, reinterpret_cast<sptr_t>("new\r\n"));
    table.Remove("shared", 1, docA);
    EXPECT_EQ(table.Count(), 2);
    table.Remove("shared", 2, docA);
    EXPECT_EQ(table.Count(), 1);
    EXPECT_EQ(table.ItemHash("shared"), inB);

    // Once its document is closed a record lies on no line.
    b.reset();
    EXPECT_EQ(table.ItemHandle("shared", 1, docB), nullptr);
    table.Remove("shared", 1, docB);
    EXPECT_EQ(table.Count(), 1);
    EXPECT_EQ(errorLogSize(), 0);
}

TEST_F(Hash, AddingAfterTheLastOfAChainWasRemovedAppendsToWhatIsLeft) {
    clsHash table;
    table.Add("Foo", record("Foo", 1));
    table.Add("FOO", record("FOO", 2));
    table.RemovePoHandle("foo", 2);
    table.Add("foo", record("foo", 3));
    table.RemovePoHandle("foo", 1);
    table.Add("fOO", record("fOO", 4));
    QList<int> handles;
    for (const CodeRecordPtr& r : table.Items())
        handles << r->Handle;
    EXPECT_EQ(handles, QList<int>({3, 4}));
}

// A view that tracks its marker lines is asked for the markers of the line;
// one that does not leaves every record of the name to be asked. Both pick alike.
TEST_F(Hash, OfRecordsOfANameOnOneLineTheLastAddedIsFoundAndRemoved) {
    for (const bool tracked : {false, true}) {
        SCOPED_TRACE(tracked ? "tracked" : "untracked");
        Document doc(tracked);
        const SciHandle docH(&doc.view);
        const int left = doc.mark(1);
        const int right = doc.mark(1);
        const int below = doc.mark(2);
        clsHash table;
        const CodeRecordPtr parameter = record("F", left, &doc.view);
        const CodeRecordPtr later = record("f", right, &doc.view);
        const CodeRecordPtr first = record("F", left, &doc.view);
        table.Add("F", first);
        table.Add("f", later);
        table.Add("F", parameter);
        table.Add("F", record("F", below, &doc.view));
        table.Add("G", record("G", right, &doc.view));

        EXPECT_EQ(table.ItemHandle("f", 1, docH), parameter);
        EXPECT_TRUE(table.Remove("F", 1, docH, left));
        EXPECT_EQ(table.ItemHandle("f", 1, docH), parameter);
        EXPECT_TRUE(table.Remove("F", 1, docH));
        EXPECT_EQ(table.ItemHandle("f", 1, docH), first);
        EXPECT_TRUE(table.Remove("F", 1, docH));
        EXPECT_FALSE(table.Remove("F", 1, docH));
        EXPECT_EQ(table.ItemHandle("F", 1, docH), nullptr);
        EXPECT_EQ(table.ItemHandle("G", 1, docH)->Ime, "G");
        EXPECT_EQ(table.ItemHandle("F", -1, docH), nullptr);

        // The marker moves with the text, and so does what the line finds.
        doc.view.send(QsciScintillaBase::SCI_INSERTTEXT, 0, reinterpret_cast<sptr_t>("new\r\n"));
        EXPECT_EQ(table.ItemHandle("F", 2, docH), nullptr);
        EXPECT_EQ(table.ItemHandle("F", 3, docH)->Handle, below);
        EXPECT_EQ(table.Keys(), QStringList({"F", "G"}));
        EXPECT_EQ(errorLogSize(), 0);
    }
}

// Thousands of lines declaring one name: finding the record of each line
// looks at a few records, not at every record of the name.
TEST_F(Hash, LookingUpEachLineOfOneNameGrowsLinearly) {
    const auto examined = [](int lines) {
        Document doc(true);
        const QByteArray text = QByteArray("F\r\n").repeated(lines);
        doc.view.send(QsciScintillaBase::SCI_APPENDTEXT, static_cast<uptr_t>(text.size()), reinterpret_cast<sptr_t>(text.constData()));
        clsHash table;
        for (int line = 0; line < lines; ++line)
            table.Add("F", record("F", doc.mark(line), &doc.view));
        const SciHandle docH(&doc.view);
        const std::uint64_t before = clsHash::RecordsExamined();
        for (int line = 0; line < lines; ++line)
            EXPECT_TRUE(table.ItemHandle("F", line, docH));
        for (int line = lines - 1; line >= 0; --line)
            EXPECT_TRUE(table.Remove("F", line, docH));
        EXPECT_EQ(table.Count(), 0);
        return clsHash::RecordsExamined() - before;
    };
    const std::uint64_t small = examined(300);
    EXPECT_LE(examined(3000), small * 15);
}

// A table keeps its first few records in one chain and spreads them over its
// buckets as it grows: before and after, it lists in bucket order, finds each
// name whatever its case (ASCII or not) and finds the record of a line.
TEST_F(Hash, ListsAndFindsAlikeBeforeAndAfterItSpreads) {
    Document doc(true);
    const QByteArray text = QByteArray("x\r\n").repeated(20);
    doc.view.send(QsciScintillaBase::SCI_APPENDTEXT, static_cast<uptr_t>(text.size()), reinterpret_cast<sptr_t>(text.constData()));
    const SciHandle docH(&doc.view);
    clsHash table(8, 2, 2);
    QList<QPair<int, QString>> added;  // bucket and upper-cased key
    std::vector<int> handles;
    for (int n = 0; n < 20; ++n) {
        const QString name = n % 5 == 4 ? QStringLiteral("\u00e4pfel%1").arg(n % 3) : QStringLiteral("name%1").arg(n % 7);
        handles.push_back(doc.mark(n));
        table.Add(name, record(name, handles.back(), &doc.view));
        const QString upper = name.toUpper();
        added.append({HashCode(upper) % 8, upper});
        QList<QPair<int, QString>> inBuckets = added;
        std::stable_sort(inBuckets.begin(), inBuckets.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
        QStringList keys;
        for (const auto& entry : inBuckets)
            keys.append(entry.second);
        ASSERT_EQ(table.Keys(), keys) << n;
        for (int line = 0; line <= n; ++line) {
            const CodeRecordPtr found = table.ItemHandle(added[line].second.toLower(), line, docH);
            ASSERT_TRUE(found) << n << " " << line;
            EXPECT_EQ(found->Handle, handles[static_cast<size_t>(line)]) << n << " " << line;
        }
    }
    EXPECT_TRUE(table.Remove(QStringLiteral("NAME0"), 0, docH));
    EXPECT_EQ(table.ItemHandle(QStringLiteral("name0"), 0, docH), nullptr);
    EXPECT_TRUE(table.ItemHash(QStringLiteral("\u00c4PFEL1")));
    EXPECT_EQ(table.Count(), 19);
}

// Whatever was added and removed before, a lookup by name finds the first
// record of that name still there, as a walk down its bucket's chain would.
TEST_F(Hash, ALookupFindsTheFirstRecordOfANameLeftAfterAddsAndRemovals) {
    std::mt19937 random(7);
    QStringList names;
    for (int n = 0; n < 150; ++n)
        names.append(n % 10 == 9 ? QStringLiteral("\u00e4pfel%1").arg(n) : QStringLiteral("Ship%1").arg(n));
    struct Added {
        QString upper;
        int handle;
    };
    for (clsHash* table : {new clsHash(8, 2, 2), new clsHash()}) {
        std::unique_ptr<clsHash> owned(table);
        std::vector<Added> live;  // in the order added
        int handle = 0;
        for (int step = 0; step < 3000; ++step) {
            if (live.empty() || random() % 3) {
                QString name = names[int(random() % unsigned(names.size()))];
                if (random() % 2)
                    name = name.toUpper();
                table->Add(name, record(name, ++handle));
                live.push_back({name.toUpper(), handle});
            } else {
                const size_t gone = random() % live.size();
                table->RemovePoHandle(live[gone].upper.toLower(), live[gone].handle);
                live.erase(live.begin() + std::ptrdiff_t(gone));
            }
            const QString& probe = names[int(random() % unsigned(names.size()))];
            const auto first = std::find_if(live.begin(), live.end(), [&](const Added& a) { return a.upper == probe.toUpper(); });
            const CodeRecordPtr found = table->ItemHash(probe);
            ASSERT_EQ(found ? found->Handle : 0, first == live.end() ? 0 : first->handle) << step;
            ASSERT_EQ(table->ExistsOnlyHash(probe), first != live.end()) << step;
        }
        EXPECT_EQ(table->Count(), int(live.size()));
    }
}
