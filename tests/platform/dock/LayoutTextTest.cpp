#include "platform/dock/DockLayer.h"
#include "platform/dock/LayoutText.h"
#include "support/TestEnvironment.h"

#include <QMainWindow>

using namespace dock;

namespace {

class LayoutTextTest : public KorvoTest {
protected:
    void SetUp() override {
        KorvoTest::SetUp();
        for (QMainWindow* window : {&first, &second}) {
            layers.append(new DockLayer(*window));
            ASSERT_TRUE(layers.last()->loadLayout(QStringLiteral(":/Layout.mp")));
        }
    }

    QStringList shown(const DockLayer& layer) const {
        QStringList keys;
        for (DocumentWindow* window : layer.documents().windows())
            keys.append(window->key() + QLatin1Char('/') + window->caption() + QLatin1Char('/') +
                        QString::number(layer.documents().groupIndexOf(*window)));
        return keys;
    }

    QMainWindow first;
    QMainWindow second;
    QList<DockLayer*> layers;
};

}

TEST_F(LayoutTextTest, CarriesTheLayoutAndTheDocumentWindowsInOneQuotableLine) {
    DocumentArea& area = layers[0]->documents();
    area.add(QStringLiteral("a \"1\".bb"), new QWidget, QStringLiteral("/x/a \"1\".bb"));
    DocumentWindow& b = area.add(QStringLiteral("b.bb"), new QWidget, QStringLiteral("/x/b.bb"));
    area.add(QStringLiteral("c.bb"), new QWidget, QStringLiteral("HELP WINDOW"));
    area.splitOff(b, TabGroupSide::Beside);
    layers[0]->command(QStringLiteral("Save File")).setCaption(QStringLiteral("Keep\r\nit"));
    const QString text = layers[0]->layoutText();
    EXPECT_FALSE(text.contains(QLatin1Char('"')) || text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n')));

    ASSERT_TRUE(layers[1]->loadLayoutText(text));
    EXPECT_EQ(shown(*layers[1]), (QStringList{"/x/a \"1\".bb/a \"1\".bb/0", "HELP WINDOW/c.bb/0", "/x/b.bb/b.bb/1"}));
    EXPECT_EQ(layers[1]->documents().active()->key(), QStringLiteral("/x/b.bb"));
    EXPECT_FALSE(layers[1]->documents().active()->form());
    EXPECT_EQ(layers[1]->command(QStringLiteral("Save File")).caption(), QStringLiteral("Keep\r\nit"));
    EXPECT_EQ(layers[1]->layout().commands, layers[0]->layout().commands);
}

TEST_F(LayoutTextTest, AFaultyTextChangesNothing) {
    const QString before = layers[1]->layoutText();
    EXPECT_FALSE(layers[1]->loadLayoutText(QStringLiteral("not base64 at all!")));
    EXPECT_FALSE(layers[1]->loadLayoutText(QString::fromLatin1(QByteArray("{\"layout\":{}}").toBase64())));
    LayoutTextData skipsAGroup{layers[0]->layout(), {{QStringLiteral("k"), QStringLiteral("k"), 1, true}}};
    EXPECT_FALSE(layers[1]->loadLayoutText(layoutToText(skipsAGroup)));
    EXPECT_EQ(layers[1]->layoutText(), before);
    EXPECT_EQ(layers[1]->documents().windowCount(), 0);
}
