#include "support/TestEnvironment.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>

namespace {

class ExplorerDumpTest : public KorvoTest {
protected:
    QString dump(const QStringList& arguments, int* exitCode = nullptr) {
        QProcess process;
        process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/korvo-dump"), arguments);
        EXPECT_TRUE(process.waitForFinished(30000));
        if (exitCode)
            *exitCode = process.exitCode();
        return QString::fromUtf8(process.readAllStandardOutput());
    }
    // Drops the date column, which is the moment the test wrote the files.
    static QString withoutDates(const QString& out) {
        QStringList lines = out.split(QLatin1Char('\n'));
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
    EXPECT_EQ(withoutDates(dump({"--explorer", home(), "--filter", "3"})), "a.txt\t9\nb.RTF\t10\nc.doc\t0\nsort Name ascending\n");
    EXPECT_EQ(withoutDates(dump({"--explorer", home(), "--filter", "3", "--click", "Size"})),
              "b.RTF\t10\na.txt\t9\nc.doc\t0\nsort Size descending\n");
    EXPECT_EQ(withoutDates(dump({"--explorer", home(), "--filter", "3", "--click", "size", "--click", "2"})),
              "c.doc\t0\na.txt\t9\nb.RTF\t10\nsort Size ascending\n");
    int exitCode = 0;
    dump({"--explorer", home(), "--click", "Colour"}, &exitCode);
    EXPECT_EQ(exitCode, 2);
}
