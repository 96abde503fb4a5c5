#include "foundation/CollectionTools.h"

#include <gtest/gtest.h>

#include <memory>

TEST(CollectionTools, KeysCompareWithoutCaseAndFailuresSetLastError) {
    CollectionTools<QString> c;
    EXPECT_FALSE(c.Exist_Key("Key"));
    EXPECT_EQ(c.LastError, 5);

    c.Add("first", "Key");
    EXPECT_EQ(c.LastError, 0);
    c.Add("second", "KEY");
    EXPECT_NE(c.LastError, 0);
    EXPECT_EQ(c.Count(), 1);
    EXPECT_EQ(c.LastError, 0);
    EXPECT_EQ(c.Item("kEy"), "first");

    EXPECT_EQ(c.Item("missing"), "");
    EXPECT_EQ(c.LastError, 5);
    EXPECT_EQ(c.Item(2), "");
    EXPECT_EQ(c.LastError, 9);
    c.RemoveKey("missing");
    EXPECT_EQ(c.LastError, 5);
    EXPECT_EQ(c.Count(), 1);
    EXPECT_EQ(c.LastError, 0);
}

TEST(CollectionTools, KeysMatchWhereACaseInsensitiveComparisonDoes) {
    const QString keys[] = {QStringLiteral("\u00c4rger"), QStringLiteral("\u00e4RGER"), QStringLiteral("Stra\u00dfe"),
                            QStringLiteral("STRASSE"), QStringLiteral("\U00010400"), QStringLiteral("\U00010428"),
                            QStringLiteral("\u0130d"), QStringLiteral("id"), QStringLiteral("\u017Fa"),
                            QStringLiteral("SA")};
    for (const QString& held : keys) {
        CollectionTools<QString> c;
        c.Add(held, held);
        for (const QString& asked : keys)
            EXPECT_EQ(c.Exist_Key(asked), held.compare(asked, Qt::CaseInsensitive) == 0)
                << held.toStdString() << " " << asked.toStdString();
    }
}

TEST(CollectionTools, PositionsStayContiguousAndInsertionsFollowBeforeAndAfter) {
    CollectionTools<QString> c;
    c.Add("b", "B");
    c.Add("d", "D");
    c.Add("a", "A", CollectionIndex("b"));
    c.Add("c", "C", std::nullopt, CollectionIndex(2));
    c.Add("e");
    EXPECT_EQ(c.NewEnum(), QStringList({"a", "b", "c", "d", "e"}));
    c.Add("x", "X", CollectionIndex(1), CollectionIndex(1));
    EXPECT_EQ(c.LastError, 5);
    c.Add("x", "X", CollectionIndex("nowhere"));
    EXPECT_EQ(c.LastError, 5);
    EXPECT_EQ(c.Count(), 5);

    c.RemoveIndex(1);
    EXPECT_EQ(c.Item(1), "b");
    c.Remove("C");
    c.Remove(3);
    EXPECT_EQ(c.NewEnum(), QStringList({"b", "d"}));

    for (const QString& item : c.NewEnum())
        c.Remove(item.toUpper());
    EXPECT_EQ(c.Count(), 0);
    c.RemoveAll();
    EXPECT_EQ(c.LastError, 0);
}

TEST(CollectionTools, ItemStringsMatchWithCaseAndObjectsNever) {
    CollectionTools<QString> texts;
    texts.Add("Tool");
    EXPECT_TRUE(texts.Exist_ItemString("Tool"));
    EXPECT_FALSE(texts.Exist_ItemString("tool"));

    struct Project {
        QString path;
    };
    CollectionTools<std::shared_ptr<Project>> projects;
    auto project = std::make_shared<Project>(Project{"/p/a.kpf"});
    projects.Add(project, project->path);
    EXPECT_EQ(projects.Item("/P/A.KPF"), project);
    EXPECT_EQ(projects.Item("/p/b.kpf"), nullptr);
    EXPECT_FALSE(projects.Exist_ItemString("/p/a.kpf"));
    EXPECT_EQ(projects.LastError, 0);
}
