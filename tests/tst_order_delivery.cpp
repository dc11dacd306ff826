#include "data/exact_decimal.h"
#include "data/order_delivery.h"
#include "data/order_files.h"
#include "test_support.h"

#include <QFile>
#include <QTest>

using Records = QVector<data::DeliveryRecord>;
using Lines = QVector<data::OrderLine>;

class TestOrderDelivery : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void exactDecimal_data();
    void exactDecimal();
    void standing_data();
    void standing();
    void plan_data();
    void plan();
    void recordsOnDisk();
    void linesProtected_data();
    void linesProtected();
    void statusFollows_data();
    void statusFollows();
};

void TestOrderDelivery::exactDecimal_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown"); // empty: no number
    QTest::newRow("decimal comma") << "2,5"
                                   << "2,5";
    QTest::newRow("point taken too") << "2.50"
                                     << "2,5";
    QTest::newRow("thousands blank") << "1 000"
                                     << "1000";
    QTest::newRow("six decimals") << "0,000001"
                                  << "0,000001";
    QTest::newRow("seven decimals is no number") << "0,0000001"
                                                 << "";
    QTest::newRow("negative") << "-3"
                              << "-3";
    QTest::newRow("two commas") << "1,2,3"
                                << "";
    QTest::newRow("text") << "ca 5"
                          << "";
    QTest::newRow("empty") << ""
                           << "";
}

void TestOrderDelivery::exactDecimal()
{
    QFETCH(QString, text);
    QFETCH(QString, shown);
    const std::optional<data::ExactDecimal> value = data::ExactDecimal::parse(text);
    QCOMPARE(value.has_value(), !shown.isEmpty());
    if (value)
        QCOMPARE(value->toString(), shown);
}

void TestOrderDelivery::standing_data()
{
    QTest::addColumn<Lines>("lines");
    QTest::addColumn<Records>("records");
    QTest::addColumn<QStringList>("received"); // per line
    QTest::addColumn<QStringList>("rest");
    QTest::addColumn<bool>("complete");

    const data::OrderLine screws{"S1", "Skruv", "1,00", "10", "ST"};
    const data::OrderLine tenth{"T1", "Tråd", "2,00", "0,3", "KG"};
    QTest::newRow("nothing yet") << Lines{screws} << Records{} << QStringList{"0"} << QStringList{"10"} << false;
    QTest::newRow("partly, then the rest")
        << Lines{screws} << Records{{"2026-12-07", 1, "S1", "4"}, {"2026-12-09", 1, "S1", "6"}} << QStringList{"10"}
        << QStringList{"0"} << true;
    QTest::newRow("0,1 three times against 0,3 is complete")
        << Lines{tenth}
        << Records{{"2026-12-07", 1, "T1", "0,1"}, {"2026-12-08", 1, "T1", "0,1"}, {"2026-12-09", 1, "T1", "0,1"}}
        << QStringList{"0,3"} << QStringList{"0"} << true;
    QTest::newRow("0,1 three times against 0,31 is not")
        << Lines{{"T1", "Tråd", "2,00", "0,31", "KG"}}
        << Records{{"2026-12-07", 1, "T1", "0,1"}, {"2026-12-08", 1, "T1", "0,1"}, {"2026-12-09", 1, "T1", "0,1"}}
        << QStringList{"0,3"} << QStringList{"0,01"} << false;
    // The same article on two lines is counted per line, never pooled.
    QTest::newRow("same article on two lines") << Lines{screws, screws} << Records{{"2026-12-07", 1, "S1", "10"}}
                                               << QStringList{"10", "0"} << QStringList{"0", "10"} << false;
    QTest::newRow("over-receipt on one line does not cover a short one")
        << Lines{screws, tenth} << Records{{"2026-12-07", 1, "S1", "15"}, {"2026-12-07", 2, "T1", "0,2"}}
        << QStringList{"15", "0,2"} << QStringList{"0", "0,1"} << false;
    QTest::newRow("rest closed short") << Lines{screws}
                                       << Records{{"2026-12-07", 1, "S1", "4"}, {"2026-12-08", 1, "S1", "avslutad"}}
                                       << QStringList{"4"} << QStringList{"avslutad"} << true;
    QTest::newRow("a line without a numeric quantity arrives whole")
        << Lines{{"F1", "Färg", "99", "en burk", "ST"}, screws} << Records{{"2026-12-07", 1, "F1", "levererad"}}
        << QStringList{"ja", "0"} << QStringList{"0", "10"} << false;
    // A basket changed since (a line removed by hand) must not credit another article.
    QTest::newRow("a record whose article is not the line's counts for nothing")
        << Lines{screws} << Records{{"2026-12-07", 1, "X9", "10"}, {"2026-12-07", 2, "S1", "10"}} << QStringList{"0"}
        << QStringList{"10"} << false;
    QTest::newRow("no lines, nothing to come") << Lines{} << Records{} << QStringList{} << QStringList{} << true;
}

void TestOrderDelivery::standing()
{
    QFETCH(Lines, lines);
    QFETCH(Records, records);
    QFETCH(QStringList, received);
    QFETCH(QStringList, rest);
    QFETCH(bool, complete);
    const QVector<data::LineDelivery> standing = data::lineDeliveries(lines, records);
    QStringList gotReceived, gotRest;
    for (const data::LineDelivery& line : standing) {
        gotReceived << line.receivedText();
        gotRest << line.restText();
    }
    QCOMPARE(gotReceived, received);
    QCOMPARE(gotRest, rest);
    QCOMPARE(data::everythingDelivered(standing), complete);
}

void TestOrderDelivery::plan_data()
{
    QTest::addColumn<QStringList>("typed"); // per line; "x" ticks a line whose quantity is text
    QTest::addColumn<QString>("date");
    QTest::addColumn<QStringList>("records"); // "line:quantity"
    QTest::addColumn<QList<int>>("over");
    QTest::addColumn<QString>("error");
    // Lines: S1 10 (4 arrived), T1 0,3, F1 "en burk".
    QTest::newRow("the rest of each") << QStringList{"6", "0,3", "x"} << "2026-12-08"
                                      << QStringList{"1:6", "2:0,3", "3:levererad"} << QList<int>{} << "";
    QTest::newRow("nothing on a line is no record")
        << QStringList{"0", "", ""} << "2026-12-08" << QStringList{} << QList<int>{} << "";
    QTest::newRow("more than the rest is asked about")
        << QStringList{"7", "0,31", ""} << "2026-12-08" << QStringList{"1:7", "2:0,31"} << QList<int>{0, 1} << "";
    QTest::newRow("a quantity that is no number") << QStringList{"6", "ca 1", ""} << "2026-12-08" << QStringList{}
                                                  << QList<int>{} << "Rad 2 (T1): \"ca 1\" är inget antal";
    QTest::newRow("a negative quantity") << QStringList{"-1", "", ""} << "2026-12-08" << QStringList{} << QList<int>{}
                                         << "Rad 1 (S1): \"-1\" är inget antal";
    QTest::newRow("a date that is no date") << QStringList{"6", "", ""} << "2026-13-01" << QStringList{} << QList<int>{}
                                            << "Leveransdatumet \"2026-13-01\" är inget datum";
}

void TestOrderDelivery::plan()
{
    QFETCH(QStringList, typed);
    QFETCH(QString, date);
    QFETCH(QStringList, records);
    QFETCH(QList<int>, over);
    QFETCH(QString, error);
    const Lines lines{{"S1", "Skruv", "1,00", "10", "ST"},
                      {"T1", "Tråd", "2,00", "0,3", "KG"},
                      {"F1", "Färg", "99", "en burk", "ST"}};
    const auto standing = data::lineDeliveries(lines, {{"2026-12-07", 1, "S1", "4"}});
    QVector<data::ArrivingNow> now;
    for (const QString& text : typed)
        now.append({text, text == "x"});
    Records planned;
    QVector<int> overReceipts;
    QString message;
    QCOMPARE(data::planDelivery(lines, standing, now, date, &planned, &overReceipts, &message), error.isEmpty());
    QVERIFY2(error.isEmpty() ? message.isEmpty() : message.startsWith(error), qPrintable(message));
    QStringList got;
    for (const data::DeliveryRecord& record : planned) {
        QCOMPARE(record.date, date);
        QCOMPARE(record.articleNumber, lines.at(record.line - 1).articleNumber);
        got << QString::number(record.line) + ":" + record.quantity;
    }
    QCOMPARE(got, records);
    QCOMPARE(QList<int>(overReceipts.cbegin(), overReceipts.cend()), over);
    // Closing the rest names every line still to come, and no other.
    const Records closing = data::closingRecords(lines, standing, date);
    QCOMPARE(closing, (Records{{date, 1, "S1", "avslutad"}, {date, 2, "T1", "avslutad"}, {date, 3, "F1", "avslutad"}}));
}

void TestOrderDelivery::recordsOnDisk()
{
    testsupport::AppFolder folder;
    QString error;
    QVERIFY2(data::appendDeliveries("7", {{"2026-12-07", 1, "Ö1", "2,5"}, {"2026-12-07", 3, "A", "avslutad"}}, &error),
             qPrintable(error));
    // A torn record (a write cut short) is reported; the records after it still count.
    QFile torn(folder.file("Order/7.OrderDelivery.log"));
    QVERIFY(torn.open(QIODevice::Append) && torn.write("\"2026-12-08\",\"1\",\"\xd6") > 0);
    torn.close();
    QVERIFY2(data::appendDeliveries("7", {{"2026-12-09", 1, "Ö1", "1"}}, &error), qPrintable(error));
    QCOMPARE(folder.read("Order/7.OrderDelivery.log"),
             QByteArray("\"2026-12-07\",\"1\",\"\xd6"
                        "1\",\"2,5\"\r\n\"2026-12-07\",\"3\",\"A\",\"avslutad\"\r\n\"2026-12-08\",\"1\",\"\xd6\r\n"
                        "\"2026-12-09\",\"1\",\"\xd6"
                        "1\",\"1\"\r\n"));
    Records back;
    QVERIFY(!data::readDeliveries("7", &back, &error));
    QVERIFY2(error.contains("7.OrderDelivery.log") && error.contains("rad 3"), qPrintable(error));
    QCOMPARE(
        back,
        (Records{{"2026-12-07", 1, "Ö1", "2,5"}, {"2026-12-07", 3, "A", "avslutad"}, {"2026-12-09", 1, "Ö1", "1"}}));
    QCOMPARE(data::lastDeliveryDate(back), QString("2026-12-09"));

    // A read-only file takes nothing and says so; a quote would shift the record and is refused.
    const QByteArray before = folder.read("Order/7.OrderDelivery.log");
    QVERIFY(!data::appendDeliveries("7", {{"2026-12-10", 1, "1/2\"", "1"}}, &error));
    QVERIFY(QFile::setPermissions(folder.file("Order/7.OrderDelivery.log"), QFile::ReadOwner));
    QVERIFY(!data::appendDeliveries("7", {{"2026-12-10", 1, "Ö1", "1"}}, &error));
    QVERIFY2(error.contains("skrivskyddad"), qPrintable(error));
    QCOMPARE(folder.read("Order/7.OrderDelivery.log"), before);
}

void TestOrderDelivery::linesProtected_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("remove");
    QTest::addColumn<QString>("article");
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QString>("refusal"); // empty: the change is made
    // Line 1 (S1, 10) has received 4; line 2 (T1, 0,3) nothing.
    QTest::newRow("no line is removed once there are deliveries")
        << 1 << true << ""
        << ""
        << "Orderraden kan inte tas bort: ordern har leveranser";
    QTest::newRow("quantity below what arrived") << 0 << false << "S1"
                                                 << "3,5"
                                                 << "Antalet kan inte bli mindre än det som redan har levererats (4).";
    QTest::newRow("quantity down to what arrived") << 0 << false << "S1"
                                                   << "4"
                                                   << "";
    QTest::newRow("another article on a line with deliveries")
        << 0 << false << "S2"
        << "10"
        << "Artikelnumret kan inte ändras: raden har leveranser för artikel S1.";
    QTest::newRow("a line without deliveries changes freely") << 1 << false << "T2"
                                                              << "0,1"
                                                              << "";
}

void TestOrderDelivery::linesProtected()
{
    QFETCH(int, row);
    QFETCH(bool, remove);
    QFETCH(QString, article);
    QFETCH(QString, quantity);
    QFETCH(QString, refusal);
    testsupport::AppFolder folder;
    const QByteArray basket = "\"S1\",\"Skruv\",\"1,00\",\"10\",\"ST\"\r\n\"T1\",\"Tr\xe5"
                              "d\",\"2,00\",\"0,3\",\"KG\"\r\n";
    folder.write("Order/7.OrderBasket.log", basket);
    folder.write("Order/7.OrderDelivery.log", "\"2026-12-07\",\"1\",\"S1\",\"4\"\r\n");
    const Lines lines{{"S1", "Skruv", "1,00", "10", "ST"}, {"T1", "Tråd", "2,00", "0,3", "KG"}};
    data::OrderLine changed = lines.at(row);
    changed.articleNumber = article;
    changed.quantity = quantity;
    QString error;
    const bool done = remove ? data::removeOrderLine("7", row, lines.at(row), &error)
                             : data::replaceOrderLine("7", row, lines.at(row), changed, &error);
    QCOMPARE(done, refusal.isEmpty());
    QVERIFY2(refusal.isEmpty() ? error.isEmpty() : error.startsWith(refusal), qPrintable(error));
    if (!done)
        QCOMPARE(folder.read("Order/7.OrderBasket.log"), basket);
}

void TestOrderDelivery::statusFollows_data()
{
    QTest::addColumn<QByteArray>("statusList");
    QTest::addColumn<bool>("complete");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QByteArray>("line8");
    const QByteArray shipped = "0,\"Ny, ej sparad\"\r\n2,Utskriven\r\n4,Delvis levererad\r\n5,Levererad\r\n";
    QTest::newRow("something still to come") << shipped << false << true << QByteArray("4, Delvis levererad");
    QTest::newRow("nothing more to come") << shipped << true << true << QByteArray("5, Levererad");
    QTest::newRow("the list has no such id")
        << QByteArray("0,Ny\r\n4,Delvis\r\n") << true << false << QByteArray("2, Utskriven");
}

void TestOrderDelivery::statusFollows()
{
    QFETCH(QByteArray, statusList);
    QFETCH(bool, complete);
    QFETCH(bool, ok);
    QFETCH(QByteArray, line8);
    testsupport::AppFolder folder;
    folder.write("System/Orderstatus.log", statusList);
    const QByteArray head = "K1\r\nEva\r\n08\r\n1\r\n7\r\n2026-12-07\r\nORDERMOTTAGARE\r\n";
    const QByteArray tail = "\r\n0111\r\nLev\n"; // a hand-edited last line keeps its bytes
    folder.write("Order/7.OrderData.log", head + "2, Utskriven" + tail);
    QString status, error;
    QCOMPARE(data::writeDeliveryStatus("7", complete, &status, &error), ok);
    QCOMPARE(folder.read("Order/7.OrderData.log"), head + line8 + tail);
    if (!ok)
        QCOMPARE(error, QString("Statuslistan har ingen status 5, så orderns status är oförändrad."));
}

QTEST_GUILESS_MAIN(TestOrderDelivery)
#include "tst_order_delivery.moc"
