#include "AllWindows.h"
#include "tools/WindowList.h"

#include <QApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

// A short benchmark run: the driver, the bare program and the start-up
// program all work, and every row has figures on both sides.
class BenchRun : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        ombrana::prepareApplication(*qApp);
        QProcess bench;
        bench.start(QStringLiteral(OMBRANA_BENCH_PATH), {QStringLiteral("--quick")});
        QVERIFY(bench.waitForFinished(240000));
        m_output = QString::fromUtf8(bench.readAllStandardOutput());
        m_exitCode = bench.exitCode();
        if (m_exitCode != 0) qWarning("%s", qPrintable(m_output + bench.readAllStandardError()));
    }

    void exitsCleanly() {
        QCOMPARE(m_exitCode, 0);
        QVERIFY(!m_output.contains(QStringLiteral("Nota:")));
    }

    // "--startup": the start-up row alone, without the in-process measures.
    void startUpAlone() {
        QProcess bench;
        bench.start(QStringLiteral(OMBRANA_BENCH_PATH), {QStringLiteral("--quick"), QStringLiteral("--startup")});
        QVERIFY(bench.waitForFinished(60000));
        QCOMPARE(bench.exitCode(), 0);
        const QString output = QString::fromUtf8(bench.readAllStandardOutput());
        QVERIFY2(output.contains(QStringLiteral("| Avvio:")), qPrintable(output));
        QVERIFY2(!output.contains(QStringLiteral("Apertura di")), qPrintable(output));
        QVERIFY2(!output.contains(QStringLiteral("Memoria")), qPrintable(output));
    }

    void rows_data() {
        QTest::addColumn<QString>("measure");
        QTest::newRow("start-up") << QStringLiteral("Avvio:");
        QTest::newRow("peak memory") << QStringLiteral("Memoria residente di picco, %1 finestre")
                                            .arg(ombrana::tools::registeredWindows().size());
        QTest::newRow("alert") << QStringLiteral("CPU durante un avviso");
        QTest::newRow("cycles") << QStringLiteral("Crescita della memoria residente");
        QTest::newRow("growth per cycle") << QStringLiteral("Crescita per ciclo di tutte le finestre");
        for (const QString& name : ombrana::tools::registeredWindows()) {
            QTest::newRow(qPrintable(name)) << QStringLiteral("Apertura di %1 ").arg(name);
            QTest::newRow(qPrintable(name + " growth")) << QStringLiteral("Crescita per ciclo di %1 ").arg(name);
        }
    }
    void rows() {
        QFETCH(QString, measure);
        const QStringList lines = m_output.split('\n');
        const auto it = std::find_if(lines.begin(), lines.end(), [&](const QString& l) { return l.contains(measure); });
        QVERIFY2(it != lines.end(), qPrintable(measure));
        const QStringList cells = it->split('|');
        QCOMPARE(cells.size(), 8);
        // Ours and the bare program's figures are numbers with units.
        static const QRegularExpression figure(QStringLiteral("^ -?[0-9]+(\\.[0-9]+)? (ms|MiB|%|KiB) *$"));
        QVERIFY2(figure.match(cells[2]).hasMatch(), qPrintable(*it));
        QVERIFY2(figure.match(cells[3]).hasMatch(), qPrintable(*it));
        QVERIFY2(QStringList({"si", "NO"}).contains(cells[6].trimmed()), qPrintable(*it));
    }

private:
    QString m_output;
    int m_exitCode = -1;
};

QTEST_MAIN(BenchRun)
#include "tst_benchrun.moc"
