#include "data/order_files.h"
#include "data/order_search.h"
#include "test_support.h"

#include <QTest>

class TestOrderSearch : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void matches_data();
    void matches();
    void findsInListOrder_data();
    void findsInListOrder();
};

void TestOrderSearch::matches_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("byNumber");
    QTest::addColumn<bool>("byData");
    // The order: 211532 for customer K-1007 "Åsa Öberg Café", 08-123456, supplier 0111 "Beijer Bygg".
    QTest::newRow("part of the order number") << "1153" << true << false;
    QTest::newRow("spaces around are no part of it") << " 2115 " << true << false;
    QTest::newRow("customer number") << "k-1007" << false << true;
    QTest::newRow("name, other case") << "ÅSA" << false << true;
    QTest::newRow("name, ö in lower case") << "öberg" << false << true;
    QTest::newRow("a is not å") << "asa" << false << false;
    QTest::newRow("o is not ö") << "oberg" << false << false;
    QTest::newRow("e is not é") << "cafe" << false << false;
    QTest::newRow("é in upper case") << "CAFÉ" << false << true;
    QTest::newRow("area code") << "08" << false << true;
    QTest::newRow("telephone number") << "3456" << false << true;
    QTest::newRow("telephone as shown") << "08-1234" << false << true;
    QTest::newRow("telephone run together") << "08123" << false << true;
    QTest::newRow("supplier number") << "0111" << false << true;
    QTest::newRow("supplier name") << "beijer b" << false << true;
    QTest::newRow("seller is not searched") << "ordermott" << false << false;
    QTest::newRow("status is not searched") << "printed" << false << false;
    QTest::newRow("date is not searched") << "2026-12" << false << false;
    QTest::newRow("no match") << "Svensson" << false << false;
}

void TestOrderSearch::matches()
{
    QFETCH(QString, typed);
    QFETCH(bool, byNumber);
    QFETCH(bool, byData);
    const QStringList values{"K-1007",         "Åsa Öberg Café",         "08",   "123456",     "211532", "2026-12-07",
                             "ORDERMOTTAGARE", "1, Created not printed", "0111", "Beijer Bygg"};
    const QString term = data::searchTerm(typed);
    QCOMPARE(data::numberMatches("211532", term), byNumber);
    QCOMPARE(data::orderMatches(values, term), byData);
}

void TestOrderSearch::findsInListOrder_data()
{
    QTest::addColumn<int>("threads");
    QTest::addColumn<bool>("cancelled");
    QTest::addColumn<QVector<int>>("found");
    QTest::newRow("one thread") << 1 << false << QVector<int>{5, 600, 999, 1000, 1500, 1999};
    QTest::newRow("two threads") << 2 << false << QVector<int>{5, 600, 999, 1000, 1500, 1999};
    QTest::newRow("more threads than runs of entries") << 9 << false << QVector<int>{5, 600, 999, 1000, 1500, 1999};
    QTest::newRow("cancelled") << 2 << true << QVector<int>{};
}

void TestOrderSearch::findsInListOrder()
{
    QFETCH(int, threads);
    QFETCH(bool, cancelled);
    QFETCH(QVector<int>, found);
    testsupport::AppFolder folder;
    QStringList entries;
    for (int i = 0; i < 2000; ++i)
        entries << QString::number(100000 + i);
    QString error;
    // 999 and 1000 lie on both sides of the edge between two threads' runs; the last one's customer
    // number is longer than the search takes in at one read.
    for (int i : {5, 600, 999, 1000, 1500, 1999}) {
        const QString customer = i == 1999 ? QString(40000, 'K') : "K";
        QVERIFY(data::writeOrderData(entries.at(i), {customer, "Åsa Öberg", "", "", entries.at(i), "", "", "", "", ""},
                                     &error));
    }
    QVERIFY(data::writeOrderData("100006", {"K", "Asa Oberg", "", "", "100006", "", "", "", "", ""}, &error));
    const std::atomic_bool cancel{cancelled};
    int last = -1;
    QCOMPARE(data::findOrders(
                 entries, "öBERG", cancel, [&](int done) { last = done; }, threads),
             found);
    QCOMPARE(last, cancelled ? 0 : 2000);
}

QTEST_GUILESS_MAIN(TestOrderSearch)
#include "tst_order_search.moc"
