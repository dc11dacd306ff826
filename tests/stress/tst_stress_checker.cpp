#include "number_race.h"
#include "stress_checker.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
// Order 100000 as the driver leaves it after one line and one save.
const QByteArray kJournal = "start 100000\nline 100000 0\nsaving 100000\nsaved 100000\n";
const QByteArray kData = "K100000\r\n\xC5sa \xD6"
                         "berg, kund 100000\r\n08\r\n555-100000\r\n100000\r\n2007-05-14\r\nS\xE4ljare \xC4rlig\r\n"
                         "Rader: 1\r\nL100000\r\nLeverant\xF6r 100000, Malm\xF6\r\n";
const QByteArray kRecord0 = "\"A100000-0\",\"Skruv 0, rostfri \xE5\xE4\xF6\",\"0,50\",\"1\",\"st\"\r\n";
const QByteArray kRecord1 = "\"A100000-1\",\"Skruv 1, rostfri \xE5\xE4\xF6\",\"1,50\",\"2\",\"f\xF6rp\"\r\n";
// Line 0 after one change, and the data file after a status was picked.
const QByteArray kChanged0 = "\"A100000-0-1\",\"Skruv 0, rostfri \xE5\xE4\xF6\",\"0,50\",\"2\",\"st\"\r\n";
const QByteArray kStatusData =
    "K100000\r\n\xC5sa \xD6"
    "berg, kund 100000\r\n08\r\n555-100000\r\n100000\r\n2007-05-14\r\nS\xE4ljare \xC4rlig\r\n"
    "3, Skickad till leverant\xF6r\r\nL100000\r\nLeverant\xF6r 100000, Malm\xF6\r\n";
const QByteArray kListed = "100000\r\n";
const QByteArray kNone; // null: the file is not there

QByteArray replaced(QByteArray bytes, const QByteArray& before, const QByteArray& after)
{
    return bytes.replace(before, after);
}

void writeFile(const QTemporaryDir& folder, const QString& name, const QByteArray& bytes)
{
    if (bytes.isNull())
        return;
    QFile file(folder.filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Round 1 of program 1 in a race for order numbers, saved with one line.
const QByteArray kRaceData = "K-P1-R1\r\nKund P1-R1\r\n08\r\n555-P1-R1\r\n211532\r\n2026-12-07\r\nS\xE4ljare P1-R1\r\n"
                             "Rader: 1\r\nL-P1-R1\r\nLeverant\xF6r P1-R1\r\n";
const QByteArray kRaceLine = "\"P1-R1-L1\",\"Skruv P1-R1\",\"1,50\",\"1\",\"st\"\r\n";
} // namespace

class TestStressChecker : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void check_data();
    void check();
    void checkNumberRace_data();
    void checkNumberRace();
};

void TestStressChecker::check_data()
{
    QTest::addColumn<QByteArray>("journal");
    QTest::addColumn<QByteArray>("list");
    QTest::addColumn<QByteArray>("dataFile");
    QTest::addColumn<QByteArray>("basket");
    QTest::addColumn<QByteArray>("deliveries");
    QTest::addColumn<bool>("exact");
    QTest::addColumn<QStringList>("problems");

    QTest::newRow("whole order") << kJournal << kListed << kData << kRecord0 << kNone << true << QStringList{};
    QTest::newRow("killed after an append, before journaling it")
        << kJournal << kListed << kData << kRecord0 + kRecord1 << kNone << false << QStringList{};
    QTest::newRow("unjournaled record without a kill")
        << kJournal << kListed << kData << kRecord0 + kRecord1 << kNone << true
        << QStringList{"100000: Order/100000.OrderBasket.log has 2 records, 1 journaled"};
    QTest::newRow("unfinished last journal line")
        << kJournal + "start 1000" << kListed << kData << kRecord0 << kNone << true << QStringList{};
    QTest::newRow("list lines glued together")
        << kJournal << QByteArray("100000100000\r\n") << kData << kRecord0 << kNone << false
        << QStringList{"Order/Lista.log line 1: \"100000100000\" is not an order a driver started",
                       "100000: saved, but not listed"};
    QTest::newRow("list cut inside its last line")
        << kJournal << QByteArray("100000\r\n10000") << kData << kRecord0 << kNone << false
        << QStringList{"Order/Lista.log: ends in \"10000\" without CR LF"};
    QTest::newRow("basket record cut")
        << kJournal << kListed << kData << QByteArray("\"A100000-0\",\"Skruv 0, rost") << kNone << false
        << QStringList{"Order/100000.OrderBasket.log: ends in a cut record \"\"A100000-0\",\"Skruv 0, rost\"",
                       "100000: Order/100000.OrderBasket.log has 0 records, 1 journaled"};
    QTest::newRow("first basket record lost")
        << kJournal << kListed << kData << kRecord1 << kNone << false
        << QStringList{"100000: Order/100000.OrderBasket.log holds lines 1, journaled 0"};
    QTest::newRow("record of another order")
        << kJournal << kListed << kData << replaced(kRecord0, "A100000", "A100001") << kNone << false
        << QStringList{"Order/100000.OrderBasket.log: record 1 is \"\"A100001-0\",\"Skruv 0, rostfri åäö\",\"0,50\","
                       "\"1\",\"st\"\"",
                       "100000: Order/100000.OrderBasket.log has 0 records, 1 journaled"};
    QTest::newRow("data file cut to nine lines")
        << kJournal << kListed << replaced(kData, "Malm\xF6\r\n", "Malm") << kRecord0 << kNone << false
        << QStringList{"Order/100000.OrderData.log: 9 complete lines and a cut one, not 10"};
    QTest::newRow("data file of another order")
        << kJournal << kListed << replaced(kData, "\r\n100000\r\n", "\r\n100001\r\n") << kRecord0 << kNone << false
        << QStringList{"Order/100000.OrderData.log: line 5 is \"100001\""};
    QTest::newRow("data file with a bare LF")
        << kJournal << kListed << replaced(kData, "08\r\n", "08\n") << kRecord0 << kNone << false
        << QStringList{"Order/100000.OrderData.log: not what the driver wrote"};
    QTest::newRow("saved with more lines than the basket holds")
        << kJournal << kListed << replaced(kData, "Rader: 1", "Rader: 2") << kRecord0 << kNone << false
        << QStringList{"100000: Order/100000.OrderData.log line 8 is \"Rader: 2\", journaled \"Rader: 1\""};
    QTest::newRow("saved, not listed") << kJournal << kNone << kData << kRecord0 << kNone << false
                                       << QStringList{"100000: saved, but not listed"};
    QTest::newRow("killed while voiding, files gone before the list line")
        << kJournal + "voiding 100000\n"
        << kListed << kNone << kNone << kNone << false
        << QStringList{"100000: listed, but Order/100000.OrderData.log is missing"};
    QTest::newRow("killed while voiding, list line gone first")
        << kJournal + "voiding 100000\n"
        << QByteArray("") << kData << kRecord0 << kNone << false << QStringList{};
    QTest::newRow("voided") << kJournal + "voiding 100000\nvoided 100000\n"
                            << QByteArray("") << kNone << kNone << kNone << true << QStringList{};
    QTest::newRow("voided, but still listed")
        << kJournal + "voiding 100000\nvoided 100000\n"
        << kListed << kNone << kRecord0 << kNone << false
        << QStringList{"100000: listed, but Order/100000.OrderData.log is missing", "100000: voided, but still listed",
                       "100000: voided, but Order/100000.OrderBasket.log is still there"};
    QTest::newRow("voiding found no list line") << kJournal + "voiding 100000\nvoided-unlisted 100000\n"
                                                << QByteArray("") << kNone << kNone << kNone << false
                                                << QStringList{"100000: voiding found no list line to remove"};
    QTest::newRow("second save lost")
        << kJournal + "line 100000 1\nsaving 100000\nsaved 100000\n"
        << kListed << kData << kRecord0 + kRecord1 << kNone << true
        << QStringList{"100000: Order/100000.OrderData.log line 8 is \"Rader: 1\", journaled \"Rader: 2\""};
    QTest::newRow("saved twice, listed twice")
        << kJournal + "saving 100000\nsaved 100000\n"
        << kListed + kListed << kData << kRecord0 << kNone << false << QStringList{"100000: listed 2 times"};

    const QByteArray changing = kJournal + "changing 100000 0 0 1\n";
    QTest::newRow("line changed") << changing + "changed 100000 0 0 1\n"
                                  << kListed << kData << kChanged0 << kNone << true << QStringList{};
    QTest::newRow("changed line not in the file")
        << changing + "changed 100000 0 0 1\n"
        << kListed << kData << kRecord0 << kNone << false
        << QStringList{"100000: Order/100000.OrderBasket.log holds lines 0, journaled 0.1"};
    QTest::newRow("killed while changing a line, change made")
        << changing << kListed << kData << kChanged0 << kNone << false << QStringList{};
    QTest::newRow("killed while changing a line, not made")
        << changing << kListed << kData << kRecord0 << kNone << false << QStringList{};

    const QByteArray twoLines = "start 100000\nline 100000 0\nline 100000 1\nsaving 100000\nsaved 100000\n";
    const QByteArray twoLinesData = replaced(kData, "Rader: 1", "Rader: 2");
    QTest::newRow("line removed") << twoLines + "removing 100000 0 0 0\nremoved 100000 0 0 0\n"
                                  << kListed << twoLinesData << kRecord1 << kNone << true << QStringList{};
    QTest::newRow("the other line removed")
        << twoLines + "removing 100000 0 0 0\nremoved 100000 0 0 0\n"
        << kListed << twoLinesData << kRecord0 << kNone << false
        << QStringList{"100000: Order/100000.OrderBasket.log holds lines 0, journaled 1"};
    QTest::newRow("killed while removing a line, both there")
        << twoLines + "removing 100000 0 0 0\n"
        << kListed << twoLinesData << kRecord0 + kRecord1 << kNone << false << QStringList{};
    QTest::newRow("killed after removing a changed line")
        << twoLines + "changing 100000 0 0 1\nchanged 100000 0 0 1\nremoving 100000 0 0 1\n"
        << kListed << twoLinesData << kRecord1 << kNone << false << QStringList{};

    const QByteArray status = kJournal + "writing-status 100000 3\nstatus-written 100000 3\n";
    QTest::newRow("status written") << status << kListed << kStatusData << kRecord0 << kNone << true << QStringList{};
    QTest::newRow("written status lost")
        << status << kListed << kData << kRecord0 << kNone << false
        << QStringList{"100000: Order/100000.OrderData.log line 8 is \"Rader: 1\", journaled \"3, Skickad till "
                       "leverantör\""};
    QTest::newRow("killed while writing a status") << kJournal + "writing-status 100000 3\n"
                                                   << kListed << kData << kRecord0 << kNone << false << QStringList{};
    const QByteArray reopened = status + "reopening 100000\nreopened 100000\nsaving 100000\nsaved 100000\n";
    QTest::newRow("reopened and saved again, keeping its status")
        << reopened << kListed << kStatusData << kRecord0 << kNone << true << QStringList{};
    QTest::newRow("reopened and listed again") << reopened << kListed + kListed << kStatusData << kRecord0 << kNone
                                               << true << QStringList{"100000: listed 2 times"};
    const QByteArray failedSave = kJournal + "start 100001\nsaving 100001\nsave-failed 100001 Registret är upptaget\n";
    QTest::newRow("failed step after a kill")
        << failedSave << kListed << kData << kRecord0 << kNone << false << QStringList{};
    QTest::newRow("failed step without a kill")
        << failedSave << kListed << kData << kRecord0 << kNone << true
        << QStringList{"journal-1.txt line 7: save-failed 100001 Registret är upptaget"};

    // Half of line 0 arrives: one record, and the status moves on to 4.
    const QByteArray delivering = kJournal + "delivering 100000 2007-06-01 1:0,5\n";
    const QByteArray delivered = delivering + "delivered 100000\n";
    const QByteArray half = "\"2007-06-01\",\"1\",\"A100000-0\",\"0,5\"\r\n";
    const QByteArray partData = replaced(kData, "Rader: 1", "4, Delvis levererad");
    const QByteArray doneData = replaced(kData, "Rader: 1", "5, Levererad");
    QTest::newRow("part delivered") << delivered << kListed << partData << kRecord0 << half << true << QStringList{};
    QTest::newRow("all delivered") << kJournal + "delivering 100000 2007-06-01 1:1\ndelivered 100000\n"
                                   << kListed << doneData << kRecord0
                                   << QByteArray("\"2007-06-01\",\"1\",\"A100000-0\",\"1\"\r\n") << true
                                   << QStringList{};
    QTest::newRow("part delivered, status says all")
        << delivered << kListed << doneData << kRecord0 << half << false
        << QStringList{
               "100000: Order/100000.OrderData.log line 8 is \"5, Levererad\", journaled \"4, Delvis levererad\""};
    QTest::newRow("delivered, no delivery file")
        << delivered << kListed << partData << kRecord0 << kNone << false
        << QStringList{"100000: Order/100000.OrderDelivery.log has 0 records, 1 journaled"};
    QTest::newRow("delivered another quantity")
        << delivered << kListed << partData << kRecord0 << replaced(half, "0,5", "0,7") << false
        << QStringList{"100000: Order/100000.OrderDelivery.log holds other records than the 1 journaled"};
    QTest::newRow("killed while delivering, nothing written")
        << delivering << kListed << kData << kRecord0 << kNone << false << QStringList{};
    QTest::newRow("killed while delivering, status not yet written")
        << delivering << kListed << kData << kRecord0 << half << false << QStringList{};
    QTest::newRow("killed while delivering, its record cut")
        << delivering << kListed << kData << kRecord0 << QByteArray("\"2007-06-01\",\"1\",\"A100000-0\",\"0") << false
        << QStringList{};
    QTest::newRow("cut record after the delivery was done")
        << delivered << kListed << partData << kRecord0 << half + "\"2007-06-01\",\"1\",\"A1" << false
        << QStringList{"100000: Order/100000.OrderDelivery.log ends in a cut record \"\"2007-06-01\",\"1\",\"A1\""};
    QTest::newRow("failed delivery left its record cut")
        << delivering + "deliver-failed 100000 Disken är full\n"
        << kListed << kData << kRecord0 << QByteArray("\"2007-06-01\",\"1\",\"A100000-0\",\"0") << false
        << QStringList{"100000: Order/100000.OrderDelivery.log ends in a cut record "
                       "\"\"2007-06-01\",\"1\",\"A100000-0\",\"0\""};
    QTest::newRow("killed while delivering, one of two records written")
        << twoLines + "delivering 100000 2007-06-01 1:1 2:2\n"
        << kListed << twoLinesData << kRecord0 + kRecord1 << QByteArray("\"2007-06-01\",\"1\",\"A100000-0\",\"1\"\r\n")
        << false << QStringList{"100000: Order/100000.OrderDelivery.log has 1 records, 0 journaled"};
    QTest::newRow("voided, deliveries left")
        << delivered + "voiding 100000\nvoided 100000\n"
        << QByteArray("") << kNone << kNone << half << false
        << QStringList{"100000: voided, but Order/100000.OrderDelivery.log is still there"};
    QTest::newRow("removal refused once delivered")
        << delivered + "removing 100000 0 0 0\nremove-refused 100000 Orderraden kan inte tas bort\n"
        << kListed << partData << kRecord0 << half << true << QStringList{};
    QTest::newRow("line removed despite deliveries")
        << delivered + "removing 100000 0 0 0\nremoved 100000 0 0 0\n"
        << kListed << partData << QByteArray("") << half << false
        << QStringList{"journal-1.txt line 8: order 100000 removed line 0 despite its deliveries"};
    QTest::newRow("line with deliveries changed")
        << delivered + "changing 100000 0 0 1\nchanged 100000 0 0 1\n"
        << kListed << partData << kChanged0 << half << false
        << QStringList{"journal-1.txt line 8: order 100000 changed line 0, which has deliveries"};
}

void TestStressChecker::check()
{
    QFETCH(QByteArray, journal);
    QFETCH(QByteArray, list);
    QFETCH(QByteArray, dataFile);
    QFETCH(QByteArray, basket);
    QFETCH(QByteArray, deliveries);
    QFETCH(bool, exact);
    QFETCH(QStringList, problems);

    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkdir("Order"));
    writeFile(folder, "journal-1.txt", journal);
    writeFile(folder, "Order/Lista.log", list);
    writeFile(folder, "Order/100000.OrderData.log", dataFile);
    writeFile(folder, "Order/100000.OrderBasket.log", basket);
    writeFile(folder, "Order/100000.OrderDelivery.log", deliveries);

    QCOMPARE(stress::StressChecker(folder.path(), exact).check(), problems);
}

void TestStressChecker::checkNumberRace_data()
{
    QTest::addColumn<QByteArray>("list");
    QTest::addColumn<QByteArray>("dataFile");
    QTest::addColumn<QByteArray>("basket");
    QTest::addColumn<QStringList>("problems");

    QTest::newRow("whole") << QByteArray("211532\r\n") << kRaceData << kRaceLine << QStringList{};
    QTest::newRow("listed twice") << QByteArray("211532\r\n211532\r\n") << kRaceData << kRaceLine
                                  << QStringList{"Order/Lista.log names 211532 more than once"};
    QTest::newRow("another program's line in the basket")
        << QByteArray("211532\r\n") << kRaceData << kRaceLine + replaced(kRaceLine, "P1", "P2")
        << QStringList{"Order/211532.OrderBasket.log holds \"\"P1-R1-L1\",\"Skruv P1-R1\",\"1,50\",\"1\",\"st\"\r\n"
                       "\"P2-R1-L1\",\"Skruv P2-R1\",\"1,50\",\"1\",\"st\"\r\n\", not the 1 lines of P1-R1"};
    QTest::newRow("data file of another order")
        << QByteArray("211532\r\n") << replaced(kRaceData, "211532", "211542") << kRaceLine
        << QStringList{"Order/211532.OrderData.log is no whole order of its own: \"" +
                           QString::fromLatin1(replaced(kRaceData, "211532", "211542")) + "\"",
                       "P1-R1 has no listed order"};
    QTest::newRow("not listed") << QByteArray("") << kRaceData << kRaceLine
                                << QStringList{"P1-R1 has no listed order", "Order/211532.OrderBasket.log is left over",
                                               "Order/211532.OrderData.log is left over"};
}

void TestStressChecker::checkNumberRace()
{
    QFETCH(QByteArray, list);
    QFETCH(QByteArray, dataFile);
    QFETCH(QByteArray, basket);
    QFETCH(QStringList, problems);

    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkdir("Order"));
    writeFile(folder, "Order/Lista.log", list);
    writeFile(folder, "Order/211532.OrderData.log", dataFile);
    writeFile(folder, "Order/211532.OrderBasket.log", basket);

    QCOMPARE(stress::checkNumberRace(folder.path(), 1, 1), problems);
}

QTEST_GUILESS_MAIN(TestStressChecker)
#include "tst_stress_checker.moc"
