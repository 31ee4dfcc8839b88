#include "bench/core/ProcStatus.h"
#include "bench/core/ReportTable.h"
#include "bench/core/Statistics.h"

#include <QTest>

#include <cmath>

using namespace ombrana::bench;

Q_DECLARE_METATYPE(std::vector<double>)

class BenchFigures : public QObject {
    Q_OBJECT
private slots:
    void median_data() {
        QTest::addColumn<std::vector<double>>("samples");
        QTest::addColumn<double>("expected");
        QTest::newRow("one") << std::vector<double>{4.5} << 4.5;
        QTest::newRow("odd, unsorted") << std::vector<double>{9, 1, 5} << 5.0;
        QTest::newRow("even takes the middle pair's mean") << std::vector<double>{8, 2, 4, 6} << 5.0;
        QTest::newRow("outlier does not move it") << std::vector<double>{10, 11, 12, 10, 900} << 11.0;
        QTest::newRow("repeated values") << std::vector<double>{3, 3, 1, 3} << 3.0;
    }
    void median() {
        QFETCH(std::vector<double>, samples);
        QFETCH(double, expected);
        const auto m = mediana(samples);
        QVERIFY(m.has_value());
        QCOMPARE(*m, expected);
    }
    void medianOfNothing() { QVERIFY(!mediana({}).has_value()); }

    void slope_data() {
        QTest::addColumn<std::vector<double>>("samples");
        QTest::addColumn<double>("expected");
        QTest::newRow("plateau") << std::vector<double>{500, 500, 500, 500} << 0.0;
        QTest::newRow("steady growth") << std::vector<double>{100, 103, 106, 109, 112} << 3.0;
        QTest::newRow("page-sized steps") << std::vector<double>{0, 0, 4, 4, 8, 8, 12, 12} << 40.0 / 21.0;
        QTest::newRow("falling") << std::vector<double>{10, 8, 6} << -2.0;
        QTest::newRow("one spike, no trend") << std::vector<double>{0, 0, 0, 90, 0, 0, 0} << 0.0;
    }
    void slope() {
        QFETCH(std::vector<double>, samples);
        QFETCH(double, expected);
        const auto m = pendenza(samples);
        QVERIFY(m.has_value());
        QVERIFY2(std::abs(*m - expected) < 1e-9, qPrintable(QString::number(*m)));
    }
    void slopeOfOneSample() { QVERIFY(!pendenza({7}).has_value()); }

    void ratio_data() {
        QTest::addColumn<double>("ours");
        QTest::addColumn<double>("theirs");
        QTest::addColumn<QString>("text");
        QTest::newRow("slower") << 130.0 << 100.0 << "1.30x";
        QTest::newRow("faster") << 50.0 << 200.0 << "0.25x";
        QTest::newRow("zero reference") << 5.0 << 0.0 << "-";
        QTest::newRow("negative reference") << 5.0 << -1.0 << "-";
        QTest::newRow("missing ours") << double(NAN) << 10.0 << "-";
    }
    void ratio() {
        QFETCH(double, ours);
        QFETCH(double, theirs);
        QFETCH(QString, text);
        const std::optional<double> o = std::isnan(ours) ? std::nullopt : std::optional(ours);
        QCOMPARE(QString::fromStdString(cifraRapporto(rapporto(o, theirs))), text);
    }

    void figure_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("text");
        QTest::newRow("milliseconds") << 12.345 << 2 << "ms"
                                      << "12.35 ms";
        QTest::newRow("no unit") << 3.0 << 0 << ""
                                 << "3";
        QTest::newRow("negative growth") << -12.0 << 0 << "KiB"
                                         << "-12 KiB";
        QTest::newRow("infinite") << double(INFINITY) << 1 << "ms"
                                  << "-";
    }
    void figure() {
        QFETCH(double, value);
        QFETCH(int, decimals);
        QFETCH(QString, unit);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(cifra(value, decimals, unit.toStdString())), text);
    }

    void verdict_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("limit");
        QTest::addColumn<QString>("verdict");
        QTest::newRow("under") << 9.99 << 10.0 << "si";
        QTest::newRow("at the limit") << 1.3 << 1.3 << "si";
        QTest::newRow("over") << 10.01 << 10.0 << "NO";
        QTest::newRow("no figure") << double(NAN) << 10.0 << "-";
    }
    void verdict() {
        QFETCH(double, value);
        QFETCH(double, limit);
        QFETCH(QString, verdict);
        const std::optional<double> v = std::isnan(value) ? std::nullopt : std::optional(value);
        QCOMPARE(QString::fromStdString(esito(v, limit)), verdict);
    }

    void tableColumnsLineUp() {
        // Accented names count as one character each, so the bars line up.
        const std::string table = impagina({{"Apertura di Men\u00f9", "1.00 ms", "0.50 ms", "2.00x", "< 10 ms", "si"},
                                            {"Avvio", "100.0 ms", "90.0 ms", "1.11x", "<= 1.3x", "si"}});
        const QStringList lines = QString::fromStdString(table).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 4);
        QVERIFY(lines[0].startsWith("| Misura"));
        QVERIFY(lines[1].startsWith("|---"));
        QVERIFY(lines[2].contains(QString::fromUtf8("Men\u00f9")));
        for (const QString& line : lines) {
            QCOMPARE(line.size(), lines[0].size());
            QCOMPARE(line.count('|'), 7);
        }
        for (qsizetype i = 0; i < lines[0].size(); ++i)
            if (lines[0][i] == '|')
                for (const QString& line : lines) QCOMPARE(line[i], QChar('|'));
    }

    void statusField_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("field");
        QTest::addColumn<long>("expected");  // -1: none
        const QString status = "Name:\tombrana\nVmPeak:\t  812345 kB\nVmHWM:\t   51200 kB\nVmRSS:\t   50123 kB\n";
        QTest::newRow("resident") << status << "VmRSS" << 50123L;
        QTest::newRow("peak resident") << status << "VmHWM" << 51200L;
        QTest::newRow("prefix of another field is not it") << status << "VmR" << -1L;
        QTest::newRow("missing") << status << "VmSwap" << -1L;
        QTest::newRow("not a size") << status << "Name" << -1L;
        QTest::newRow("last line without newline") << "VmRSS:\t 7 kB"
                                                   << "VmRSS" << 7L;
        QTest::newRow("other unit") << "VmRSS:\t 7 MB\n"
                                    << "VmRSS" << -1L;
        QTest::newRow("empty") << ""
                               << "VmRSS" << -1L;
    }
    void statusField() {
        QFETCH(QString, text);
        QFETCH(QString, field);
        QFETCH(long, expected);
        const std::string t = text.toStdString(), f = field.toStdString();
        QCOMPARE(campoStatusKiB(t, f).value_or(-1), expected);
    }

    void ownStatusIsRead() {
        const auto rss = campoStatusProprioKiB("VmRSS");
        QVERIFY(rss.has_value());
        QVERIFY(*rss > 0);
    }
};

QTEST_GUILESS_MAIN(BenchFigures)
#include "tst_benchfigures.moc"
