#include "data/order_files.h"
#include "data/order_number_reservation.h"
#include "data/order_void.h"
#include "test_support.h"

#include <QFile>
#include <QTest>

class TestOrderVoid : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void voidOrder_data();
    void voidOrder();
};

void TestOrderVoid::voidOrder_data()
{
    QTest::addColumn<QByteArray>("list"); // null: no list file
    QTest::addColumn<int>("occurrence");
    QTest::addColumn<bool>("listReadOnly");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<bool>("removedFromList");
    QTest::addColumn<QByteArray>("listAfter");
    QTest::addColumn<QString>("refusal"); // part of the message when not ok

    QTest::newRow("second of three, the third saved later")
        << QByteArray("7\r\n8\r\n7\r\n7\r\n") << 1 << false << true << true << QByteArray("7\r\n8\r\n7\r\n") << "";
    QTest::newRow("LF line ends are written back as CR LF")
        << QByteArray("8\n7\n9") << 0 << false << true << true << QByteArray("8\r\n9\r\n") << "";
    QTest::newRow("disk list holds fewer occurrences")
        << QByteArray("8\r\n7\r\n") << 1 << false << true << false << QByteArray("8\r\n7\r\n") << "";
    QTest::newRow("no list file") << QByteArray() << 0 << false << true << false << QByteArray() << "";
    QTest::newRow("read-only list file") << QByteArray("7\r\n") << 0 << true << false << false << QByteArray("7\r\n")
                                         << "Lista.log: filen är skrivskyddad";
    // An order window, of this program or another, still writes to it.
    QTest::newRow("held by an order window") << QByteArray("7\r\n") << 0 << false << false << false
                                             << QByteArray("7\r\n") << "Ordern 7 är öppen i ett orderfönster";
}

void TestOrderVoid::voidOrder()
{
    QFETCH(QByteArray, list);
    QFETCH(int, occurrence);
    QFETCH(bool, listReadOnly);
    QFETCH(bool, ok);
    QFETCH(bool, removedFromList);
    QFETCH(QByteArray, listAfter);
    QFETCH(QString, refusal);
    testsupport::AppFolder folder;
    data::OrderNumberReservation window;
    if (refusal.contains("orderfönster"))
        QVERIFY(window.reserveExisting("7"));
    folder.write("Order/7.OrderData.log", "x\r\n");
    folder.write("Order/7.OrderBasket.log", "\"a\",\"b\",\"1\",\"1\",\"ST\"\r\n");
    folder.write("Order/7.OrderDelivery.log", "\"2026-12-07\",\"1\",\"a\",\"1\"\r\n");
    if (!list.isNull())
        folder.write("Order/Lista.log", list);
    if (listReadOnly)
        QVERIFY(QFile::setPermissions(folder.file("Order/Lista.log"), QFile::ReadOwner));

    data::VoidOutcome outcome;
    QString error;
    QCOMPARE(data::voidOrder("7", occurrence, &outcome, &error), ok);
    QCOMPARE(error.isEmpty(), ok);
    QVERIFY2(error.contains(refusal), qPrintable(error));
    QCOMPARE(outcome.removedFromList, removedFromList);
    QCOMPARE(folder.exists("Order/Lista.log"), !list.isNull());
    QCOMPARE(folder.read("Order/Lista.log"), listAfter);
    QCOMPARE(folder.exists("Order/7.OrderData.log"), !ok);
    QCOMPARE(folder.exists("Order/7.OrderBasket.log"), !ok);
    QCOMPARE(folder.exists("Order/7.OrderDelivery.log"), !ok);
}

QTEST_GUILESS_MAIN(TestOrderVoid)
#include "tst_order_void.moc"
