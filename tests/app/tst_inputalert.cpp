#include <QTest>
class T : public QObject { Q_OBJECT private slots: void placeholder() { QVERIFY(true); } };
QTEST_MAIN(T)
#include "tst_inputalert.moc"
