#include "support/KorvoDump.h"
#include "support/TestEnvironment.h"

namespace {

class ExplorerDumpTest : public KorvoTest {
protected:
    // The output without the date column, which is the moment the test wrote the files.
    static QString withoutDates(const QStringList& args) {
        QStringList lines = korvoDump(args).out.split(QLatin1Char('\n'));
        for (QString& line : lines)
            line = line.section(QLatin1Char('\t'), 0, 1);
        return lines.join(QLatin1Char('\n'));
    }
};

}

TEST_F(ExplorerDumpTest, ListsThroughTheFilterAndSortsByEachClick) {
    writeAll(homeFile("a.txt"), "123456789");
    writeAll(homeFile("b.RTF"), "1234567890");
    writeAll(homeFile("c.doc"), "");
    writeAll(homeFile("d.bb"), "");
    EXPECT_EQ(withoutDates({"--explorer", home(), "--filter", "3"}), "a.txt\t9\nb.RTF\t10\nc.doc\t0\nsort Name ascending\n");
    EXPECT_EQ(withoutDates({"--explorer", home(), "--filter", "3", "--click", "Size"}),
              "b.RTF\t10\na.txt\t9\nc.doc\t0\nsort Size descending\n");
    EXPECT_EQ(withoutDates({"--explorer", home(), "--filter", "3", "--click", "size", "--click", "2"}),
              "c.doc\t0\na.txt\t9\nb.RTF\t10\nsort Size ascending\n");
    EXPECT_EQ(korvoDump({"--explorer", home(), "--click", "Colour"}).exitCode, 2);
}
