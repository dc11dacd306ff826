#include "data/order_files.h"
#include "data/order_folder_tidy.h"
#include "data/order_number.h"
#include "data/order_number_reservation.h"
#include "data/order_total.h"
#include "data/text_codec.h"
#include "test_support.h"

#include <QDir>
#include <QLockFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

// What a test puts in the Order folder before a number is taken.
enum class Taken { DataFile, BasketFile, ListLine, Held, LeftByKilled };
Q_DECLARE_METATYPE(Taken)
using TakenNumbers = QList<QPair<QString, Taken>>;

class TestOrderFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void freeOrderNumber_data();
    void freeOrderNumber();
    void freeOrderNumberWithoutOrderFolder();
    void leftoversTidied();
    void orderData_data();
    void orderData();
    void orderDataReplacedWhole();
    void orderDataReading_data();
    void orderDataReading();
    void writeFailures_data();
    void writeFailures();
    void orderList_data();
    void orderList();
    void basket_data();
    void basket();
    void damagedBasket_data();
    void damagedBasket();
    void editBasket_data();
    void editBasket();
    void editLargeBasket();
    void orderStatus();
    void amounts_data();
    void amounts();
};

void TestOrderFiles::freeOrderNumber_data()
{
    QTest::addColumn<QDateTime>("clock");
    QTest::addColumn<TakenNumbers>("taken");
    QTest::addColumn<QString>("number");

    // 2026-12-06 is a Sunday, 2026-12-12 a Saturday.
    const QDateTime monday(QDate(2026, 12, 7), QTime(1, 15, 3));
    QTest::newRow("nothing there") << monday << TakenNumbers{} << "211532";
    QTest::newRow("data file of an older order") << monday << TakenNumbers{{"211532", Taken::DataFile}} << "211542";
    QTest::newRow("basket file of an unsaved order")
        << monday << TakenNumbers{{"211532", Taken::BasketFile}} << "211542";
    QTest::newRow("named by the order list only") << monday << TakenNumbers{{"211532", Taken::ListLine}} << "211542";
    QTest::newRow("several seconds in a row taken")
        << monday
        << TakenNumbers{{"211532", Taken::DataFile}, {"211542", Taken::BasketFile}, {"211552", Taken::ListLine}}
        << "211562";
    QTest::newRow("other numbers do not matter")
        << monday << TakenNumbers{{"211522", Taken::DataFile}, {"2115312", Taken::ListLine}} << "211532";
    // 11:05:03 forms the same digits as 1:15:03.
    QTest::newRow("held by another order window") << monday << TakenNumbers{{"211532", Taken::Held}} << "211542";
    QTest::newRow("a hold left by a killed program is taken over")
        << monday << TakenNumbers{{"211532", Taken::LeftByKilled}} << "211532";
    QTest::newRow("same digits from another time of day")
        << QDateTime(QDate(2026, 12, 7), QTime(11, 5, 3)) << TakenNumbers{{"211532", Taken::DataFile}} << "211542";
    QTest::newRow("stepping over the minute and the hour")
        << QDateTime(QDate(2026, 12, 7), QTime(9, 59, 59)) << TakenNumbers{{"2959592", Taken::DataFile}} << "210002";
    QTest::newRow("stepping over midnight into the next day")
        << QDateTime(QDate(2026, 12, 7), QTime(23, 59, 59)) << TakenNumbers{{"22359592", Taken::ListLine}} << "30003";
    QTest::newRow("stepping from Saturday into Sunday, the week's edge")
        << QDateTime(QDate(2026, 12, 12), QTime(23, 59, 59)) << TakenNumbers{{"72359597", Taken::BasketFile}}
        << "10001";
}

void TestOrderFiles::freeOrderNumber()
{
    QFETCH(QDateTime, clock);
    QFETCH(TakenNumbers, taken);
    QFETCH(QString, number);

    testsupport::AppFolder folder;
    QByteArray list;
    data::OrderNumberReservation other;
    for (const auto& [used, where] : taken) {
        if (where == Taken::Held || where == Taken::LeftByKilled) {
            QVERIFY(other.reserveExisting(used));
            if (where == Taken::LeftByKilled) {
                // The same hold, as a process that has ended left it.
                const QByteArray hold = folder.read("Order/" + used + ".reservation");
                other.release();
                QProcess ended;
                ended.start("true");
                QVERIFY(ended.waitForStarted());
                const qint64 pid = ended.processId();
                QVERIFY(ended.waitForFinished());
                folder.write("Order/" + used + ".reservation", QByteArray::number(pid) + hold.mid(hold.indexOf('\n')));
            }
        } else if (where == Taken::DataFile)
            folder.write("Order/" + used + ".OrderData.log", "x\r\n");
        else if (where == Taken::BasketFile)
            folder.write("Order/" + used + ".OrderBasket.log", "\"a\",\"b\",\"c\",\"d\",\"ST\"\r\n");
        else
            list += used.toLatin1() + "\r\n";
    }
    if (!list.isEmpty())
        folder.write("Order/Lista.log", "10001\r\n" + list);

    data::OrderNumberReservation mine;
    QString error;
    const QString formed = mine.reserveFree(clock, &error);
    QCOMPARE(formed, number);
    QVERIFY(folder.exists("Order/" + formed + ".reservation"));
    mine.release();
    QVERIFY(!folder.exists("Order/" + formed + ".reservation"));
    QCOMPARE(data::freeOrderNumber(clock), number);
    QVERIFY(formed.size() >= 5 && formed.size() <= 8);
    QCOMPARE(formed.front(), formed.back());
}

void TestOrderFiles::freeOrderNumberWithoutOrderFolder()
{
    testsupport::AppFolder folder(false);
    const QDateTime clock(QDate(2026, 12, 12), QTime(19, 53, 21));
    QCOMPARE(data::freeOrderNumber(clock), QStringLiteral("71953217"));
}

// What killed programs left goes once it is a minute old; what another program uses now stays.
void TestOrderFiles::leftoversTidied()
{
    testsupport::AppFolder folder;
    data::OrderNumberReservation live;
    QVERIFY(live.reserveExisting("211532"));
    const QByteArray hold = folder.read("Order/211532.reservation");
    QProcess ended;
    ended.start("true");
    QVERIFY(ended.waitForStarted());
    const qint64 deadPid = ended.processId();
    QVERIFY(ended.waitForFinished());
    folder.write("Order/311532.reservation", QByteArray::number(deadPid) + hold.mid(hold.indexOf('\n')));
    for (const QString name :
         {"Lista.log", "Lista.log.AbC123", "Lista.log.lock", "Lista.log.lock.rmlock", "411532.reservation", "notes.txt",
          "1.OrderData.log.lock.rmlock.x", "Lista.log.Ab-123", "Lista.log.AbC1234"})
        folder.write("Order/" + name, name == "411532.reservation" ? QByteArray() : QByteArray("x"));
    const QDateTime old = QDateTime::currentDateTime().addSecs(-61);
    for (const QString& name : QDir(folder.file("Order")).entryList(QDir::Files)) {
        QFile file(folder.file("Order/" + name));
        QVERIFY(file.open(QIODevice::ReadWrite) && file.setFileTime(old, QFileDevice::FileModificationTime));
    }
    folder.write("Order/1.OrderData.log.Xy12Z9", "a replace going on now");

    data::tidyOrderFolder();
    QCOMPARE(QDir(folder.file("Order")).entryList(QDir::Files),
             QStringList({"1.OrderData.log.lock.rmlock.x", "1.OrderData.log.Xy12Z9", "211532.reservation", "Lista.log",
                          "Lista.log.Ab-123", "Lista.log.AbC1234", "notes.txt"}));
}

void TestOrderFiles::orderData_data()
{
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("untouched window: empty lines stay")
        << QStringList{"", "", "", "", "211532", "2026-12-07", "ORDERMOTTAGARE", "1, Created not printed", "", ""}
        << QByteArray("\r\n\r\n\r\n\r\n211532\r\n2026-12-07\r\nORDERMOTTAGARE\r\n1, Created not printed\r\n\r\n\r\n");
    QTest::newRow("swedish letters and blanks as typed")
        << QStringList{" 17 ",
                       "Åsa Öberg",
                       "08",
                       "123 45 67",
                       "10001",
                       "2026-12-06",
                       "ORDERMOTTAGARE",
                       "1, Created not printed",
                       "1008",
                       "Åkessons Trä & Bygg"}
        << QByteArray(" 17 \r\n\xc5sa \xd6"
                      "berg\r\n08\r\n123 45 67\r\n10001\r\n2026-12-06\r\nORDERMOTTAGARE\r\n1, Created not "
                      "printed\r\n1008\r\n\xc5kessons Tr\xe4 & Bygg\r\n");
    QTest::newRow("character outside the code page")
        << QStringList{"", "Ж", "", "", "10001", "2026-12-06", "ORDERMOTTAGARE", "1, Created not printed", "", ""}
        << QByteArray("\r\n?\r\n\r\n\r\n10001\r\n2026-12-06\r\nORDERMOTTAGARE\r\n1, Created not printed\r\n\r\n\r\n");
    QTest::newRow("line break inside a supplier name keeps ten lines")
        << QStringList{"",
                       "",
                       "",
                       "",
                       "10001",
                       "2026-12-06",
                       "ORDERMOTTAGARE",
                       "1, Created not printed",
                       "7",
                       "Norr\r\nAB\nSyd"}
        << QByteArray("\r\n\r\n\r\n\r\n10001\r\n2026-12-06\r\nORDERMOTTAGARE\r\n1, Created not printed\r\n7\r\nNorr AB "
                      "Syd\r\n");
}

void TestOrderFiles::orderData()
{
    QFETCH(QStringList, values);
    QFETCH(QByteArray, bytes);

    testsupport::AppFolder folder;
    QString error;
    QVERIFY2(data::writeOrderData(values.at(4), values, &error), qPrintable(error));
    QCOMPARE(folder.read("Order/" + values.at(4) + ".OrderData.log"), bytes);
    // Written by rename: nothing but the data file is left in the folder.
    QCOMPARE(QDir(folder.file("Order")).entryList(QDir::Files | QDir::Hidden),
             QStringList{values.at(4) + ".OrderData.log"});

    QStringList back;
    QVERIFY2(data::readOrderData(values.at(4), &back, &error), qPrintable(error));
    QCOMPARE(back, data::decodeWindows1252(bytes).split("\r\n").mid(0, data::kOrderDataLines));
}

void TestOrderFiles::orderDataReplacedWhole()
{
    testsupport::AppFolder folder;
    QString error;
    QStringList first(data::kOrderDataLines, QStringLiteral("en mycket längre första version"));
    QVERIFY(data::writeOrderData("10001", first, &error));
    QStringList second(data::kOrderDataLines, QStringLiteral("kort"));
    QVERIFY(data::writeOrderData("10001", second, &error));
    QCOMPARE(folder.read("Order/10001.OrderData.log"), QByteArray("kort\r\n").repeated(data::kOrderDataLines));
}

void TestOrderFiles::orderDataReading_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QStringList>("values");

    const QStringList ten{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"};
    QTest::newRow("CR LF") << QByteArray("1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n") << true << ten;
    QTest::newRow("LF only, last line without an end") << QByteArray("1\n2\n3\n4\n5\n6\n7\n8\n9\n10") << true << ten;
    QTest::newRow("CR only") << QByteArray("1\r2\r3\r4\r5\r6\r7\r8\r9\r10\r") << true << ten;
    QTest::newRow("lines after the tenth ignored")
        << QByteArray("1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n11\r\n") << true << ten;
    QTest::newRow("nine lines") << QByteArray("1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n") << false
                                << QStringList{};
    QTest::newRow("empty file") << QByteArray() << false << QStringList{};
}

void TestOrderFiles::orderDataReading()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, ok);
    QFETCH(QStringList, values);

    testsupport::AppFolder folder;
    folder.write("Order/10001.OrderData.log", bytes);
    QStringList got;
    QString error;
    QCOMPARE(data::readOrderData("10001", &got, &error), ok);
    if (ok)
        QCOMPARE(got, values);
    else
        QVERIFY2(error.contains("10001.OrderData.log"), qPrintable(error));
}

void TestOrderFiles::writeFailures_data()
{
    QTest::addColumn<bool>("orderFolder");
    QTest::addColumn<QString>("blocked"); // a folder standing where the file should be
    QTest::addColumn<QString>("named");

    QTest::newRow("Order folder missing") << false << QString() << "Order";
    QTest::newRow("data file path is a folder") << true << "10001.OrderData.log"
                                                << "10001.OrderData.log";
    QTest::newRow("list file path is a folder") << true << "Lista.log"
                                                << "Lista.log";
    QTest::newRow("basket file path is a folder") << true << "10001.OrderBasket.log"
                                                  << "10001.OrderBasket.log";
}

void TestOrderFiles::writeFailures()
{
    QFETCH(bool, orderFolder);
    QFETCH(QString, blocked);
    QFETCH(QString, named);

    testsupport::AppFolder folder(orderFolder);
    if (!blocked.isEmpty())
        QVERIFY(QDir(folder.file("Order")).mkdir(blocked));

    QString dataError, listError, basketError;
    const bool dataOk = data::writeOrderData("10001", QStringList(10, "x"), &dataError);
    const bool listOk = data::listOrderOnce("10001", &listError);
    const bool basketOk = data::appendOrderLine("10001", {"A", "B", "1", "2", "ST"}, &basketError);

    // Exactly the operations that touch the blocked path fail, each naming what failed.
    const auto check = [&](bool ok, const QString& error, const QString& file) {
        const bool shouldFail = !orderFolder || blocked == file;
        QVERIFY2(ok != shouldFail, qPrintable(file));
        if (shouldFail)
            QVERIFY2(error.contains(named) && error.contains(file) && error.startsWith("Kunde inte"),
                     qPrintable(error));
    };
    check(dataOk, dataError, "10001.OrderData.log");
    check(listOk, listError, "Lista.log");
    check(basketOk, basketError, "10001.OrderBasket.log");
    if (orderFolder) { // a failed write leaves no temporary file behind
        QStringList written;
        if (basketOk)
            written << "10001.OrderBasket.log";
        if (dataOk)
            written << "10001.OrderData.log";
        if (listOk)
            written << "Lista.log";
        QCOMPARE(QDir(folder.file("Order")).entryList(QDir::Files | QDir::Hidden, QDir::Name), written);
    }
}

void TestOrderFiles::orderList_data()
{
    QTest::addColumn<QByteArray>("before"); // empty: no list file
    QTest::addColumn<QStringList>("appended");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<QStringList>("entries");

    QTest::newRow("missing file is created")
        << QByteArray() << QStringList{"10001"} << QByteArray("10001\r\n") << QStringList{"10001"};
    QTest::newRow("a repeated save lists the number once")
        << QByteArray("10001\r\n") << QStringList{"211532", "211532"} << QByteArray("10001\r\n211532\r\n")
        << QStringList{"10001", "211532"};
    QTest::newRow("a number listed twice already is left as it is")
        << QByteArray("211532\r\n10001\r\n211532\r\n") << QStringList{"211532", "10001"}
        << QByteArray("211532\r\n10001\r\n211532\r\n") << QStringList{"211532", "10001", "211532"};
    QTest::newRow("last line without CR LF, edited elsewhere")
        << QByteArray("10001\n20002") << QStringList{} << QByteArray("10001\n20002") << QStringList{"10001", "20002"};
    QTest::newRow("appending after a last line without CR LF")
        << QByteArray("10001\n20002") << QStringList{"30003"} << QByteArray("10001\n20002\r\n30003\r\n")
        << QStringList{"10001", "20002", "30003"};
    QTest::newRow("empty lines are entries")
        << QByteArray("10001\r\n\r\n20002\r\n") << QStringList{} << QByteArray("10001\r\n\r\n20002\r\n")
        << QStringList{"10001", "", "20002"};
}

void TestOrderFiles::orderList()
{
    QFETCH(QByteArray, before);
    QFETCH(QStringList, appended);
    QFETCH(QByteArray, after);
    QFETCH(QStringList, entries);

    testsupport::AppFolder folder;
    if (!before.isEmpty())
        folder.write("Order/Lista.log", before);
    QString error;
    for (const QString& number : appended)
        QVERIFY2(data::listOrderOnce(number, &error), qPrintable(error));
    QCOMPARE(folder.read("Order/Lista.log"), after);
    QStringList got{"stale"};
    QVERIFY(data::readOrderList(&got, &error));
    QCOMPARE(got, entries);
}

void TestOrderFiles::basket_data()
{
    QTest::addColumn<QByteArray>("before"); // empty: no basket file
    QTest::addColumn<QVector<data::OrderLine>>("lines");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QVector<data::OrderLine>>("readBack");

    const data::OrderLine untouched{"", "", "", "", "ST"};
    const data::OrderLine decimal{"B-2", "Bult, rostfri", "12,50", "1,5", "KG"};
    const data::OrderLine swedish{"Ö1", "Färg ©", "99", "3", "PALL"};
    QTest::newRow("no lines, no file") << QByteArray() << QVector<data::OrderLine>{} << QByteArray()
                                       << QVector<data::OrderLine>{};
    QTest::newRow("untouched dialog") << QByteArray() << QVector<data::OrderLine>{untouched}
                                      << QByteArray("\"\",\"\",\"\",\"\",\"ST\"\r\n")
                                      << QVector<data::OrderLine>{untouched};
    QTest::newRow("commas stay inside their fields, in order")
        << QByteArray() << QVector<data::OrderLine>{decimal, swedish}
        << QByteArray("\"B-2\",\"Bult, rostfri\",\"12,50\",\"1,5\",\"KG\"\r\n\"\xd6"
                      "1\",\"F\xe4rg \xa9\",\"99\",\"3\",\"PALL\"\r\n")
        << QVector<data::OrderLine>{decimal, swedish};
    QTest::newRow("appending after a last record without CR LF")
        << QByteArray("\"A\",\"B\",\"1\",\"2\",\"ST\"") << QVector<data::OrderLine>{untouched}
        << QByteArray("\"A\",\"B\",\"1\",\"2\",\"ST\"\r\n\"\",\"\",\"\",\"\",\"ST\"\r\n")
        << QVector<data::OrderLine>{{"A", "B", "1", "2", "ST"}, untouched};
    // Whatever path a value comes by, the writer itself refuses what would shift the record.
    QTest::newRow("inch mark and line break are refused, the file untouched")
        << QByteArray("\"A\",\"B\",\"1\",\"2\",\"ST\"\r\n")
        << QVector<data::OrderLine>{{"R1", "R\u00f6r 1/2\", m\u00e4ssing", "45,00", "10", "ST"},
                                    {"R2", "Lock", "1", "2\r\n3", "ST"}}
        << QByteArray("\"A\",\"B\",\"1\",\"2\",\"ST\"\r\n") << QVector<data::OrderLine>{{"A", "B", "1", "2", "ST"}};
}

void TestOrderFiles::basket()
{
    QFETCH(QByteArray, before);
    QFETCH(QVector<data::OrderLine>, lines);
    QFETCH(QByteArray, bytes);
    QFETCH(QVector<data::OrderLine>, readBack);

    testsupport::AppFolder folder;
    if (!before.isEmpty())
        folder.write("Order/10001.OrderBasket.log", before);
    QString error;
    for (const data::OrderLine& line : lines) {
        const bool fits = !line.fields().join(QString()).contains(QRegularExpression("[\"\r\n]"));
        QVERIFY2(data::appendOrderLine("10001", line, &error) == fits, qPrintable(error));
        if (!fits)
            QVERIFY2(error.contains(line.description.contains('"') ? "Benämning" : "Antal"), qPrintable(error));
    }
    QCOMPARE(folder.exists("Order/10001.OrderBasket.log"), !bytes.isEmpty());
    QCOMPARE(folder.read("Order/10001.OrderBasket.log"), bytes);
    // Several lines go all or none: one that cannot be stored keeps the others out too.
    QVERIFY(!data::appendOrderLines("10001", {{"K1", "Kopia", "1", "1", "ST"}, {"K2", "2\"", "1", "1", "ST"}}, &error));
    QCOMPARE(folder.read("Order/10001.OrderBasket.log"), bytes);
    QVector<data::OrderLine> got;
    QVERIFY2(data::readOrderBasket("10001", &got, &error), qPrintable(error));
    QCOMPARE(got, readBack);
}

void TestOrderFiles::damagedBasket_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("damaged");
    QTest::addColumn<QVector<data::OrderLine>>("lines");
    QTest::newRow("ends inside a record") << QByteArray("\"A\",\"B\",\"1\",\"2\",\"ST\"\r\n\"C\",\"D\"\r\n") << "rad 2"
                                          << QVector<data::OrderLine>{{"A", "B", "1", "2", "ST"}};
    // A write cut off inside a quote must not swallow the record after it.
    QTest::newRow("torn record before a whole one")
        << QByteArray("\"A\",\"B\",\"1\",\"2\",\"ST\"\r\n\"212\",\"Sk\r\n\"C\",\"D\",\"3\",\"4\",\"KG\"\r\n") << "rad 2"
        << QVector<data::OrderLine>{{"A", "B", "1", "2", "ST"}, {"C", "D", "3", "4", "KG"}};
}

void TestOrderFiles::damagedBasket()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, damaged);
    QFETCH(QVector<data::OrderLine>, lines);
    testsupport::AppFolder folder;
    folder.write("Order/10001.OrderBasket.log", file);
    QVector<data::OrderLine> got;
    QString error;
    QVERIFY(!data::readOrderBasket("10001", &got, &error));
    QVERIFY2(error.contains("10001.OrderBasket.log") && error.contains(damaged), qPrintable(error));
    QCOMPARE(got, lines);
}

void TestOrderFiles::editBasket_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("remove");
    QTest::addColumn<bool>("done");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<bool>("locked"); // another program holds the basket's lock
    // Two equal rows: the one at the row's position changes. A hand-edited line (LF, no quotes)
    // and a damaged one keep their bytes.
    const QByteArray file =
        "\"A\",\"B\",\"1\",\"2\",\"ST\"\r\nA,B,1,2,ST\n\"torn\r\n\"A\",\"B\",\"1\",\"2\",\"ST\"\r\n";
    QTest::newRow("change the second of equal rows")
        << file << 1 << false << true
        << QByteArray("\"A\",\"B\",\"1\",\"2\",\"ST\"\r\n\"N\",\"Ny, rad\",\"3\",\"4\",\"KG\"\r\n\"torn\r\n\"A\",\"B\","
                      "\"1\",\"2\",\"ST\"\r\n")
        << false;
    QTest::newRow("remove the last row, past a torn line")
        << file << 2 << true << true << QByteArray("\"A\",\"B\",\"1\",\"2\",\"ST\"\r\nA,B,1,2,ST\n\"torn\r\n") << false;
    QTest::newRow("remove the only line leaves an empty file")
        << QByteArray("\"A\",\"B\",\"1\",\"2\",\"ST\"") << 0 << true << true << QByteArray("") << false;
    QTest::newRow("row no longer there") << QByteArray("\"A\",\"B\",\"1\",\"2\",\"ST\"\r\n") << 1 << true << false
                                         << QByteArray("\"A\",\"B\",\"1\",\"2\",\"ST\"\r\n") << false;
    QTest::newRow("row changed elsewhere") << QByteArray("\"A\",\"X\",\"1\",\"2\",\"ST\"\r\n") << 0 << false << false
                                           << QByteArray("\"A\",\"X\",\"1\",\"2\",\"ST\"\r\n") << false;
    // The edit waits for the other program, then gives up and changes nothing.
    QTest::newRow("basket busy elsewhere") << QByteArray("\"A\",\"B\",\"1\",\"2\",\"ST\"\r\n") << 0 << true << false
                                           << QByteArray("\"A\",\"B\",\"1\",\"2\",\"ST\"\r\n") << true;
}

void TestOrderFiles::editBasket()
{
    QFETCH(QByteArray, before);
    QFETCH(int, row);
    QFETCH(bool, remove);
    QFETCH(bool, done);
    QFETCH(QByteArray, after);
    QFETCH(bool, locked);
    testsupport::AppFolder folder;
    folder.write("Order/10001.OrderBasket.log", before);
    QLockFile other(folder.file("Order/10001.OrderBasket.log.lock"));
    QVERIFY(!locked || other.tryLock(0));
    const data::OrderLine shown{"A", "B", "1", "2", "ST"};
    QString error;
    const bool ok = remove ? data::removeOrderLine("10001", row, shown, &error)
                           : data::replaceOrderLine("10001", row, shown, {"N", "Ny, rad", "3", "4", "KG"}, &error);
    QVERIFY2(ok == done, qPrintable(error));
    QCOMPARE(folder.read("Order/10001.OrderBasket.log"), after);
    if (locked)
        QVERIFY2(error.contains("upptagen av ett annat program"), qPrintable(error));
    QVERIFY(!data::replaceOrderLine("10001", 0, shown, {"A", "1/2\"", "1", "2", "ST"}, &error));
    QCOMPARE(folder.read("Order/10001.OrderBasket.log"), after);
}

void TestOrderFiles::editLargeBasket()
{
    testsupport::AppFolder folder;
    const auto record = [](int i) {
        return "\"A" + QByteArray::number(i) + "\",\"Skruv, \xe5\",\"2,50\",\"1\",\"ST\"\r\n";
    };
    QByteArray before;
    for (int i = 0; i < 10000; ++i)
        before += record(i);
    folder.write("Order/10001.OrderBasket.log", before);
    QString error;
    QVERIFY2(data::replaceOrderLine("10001", 7000, {"A7000", "Skruv, å", "2,50", "1", "ST"},
                                    {"N", "Ny", "3", "4", "KG"}, &error),
             qPrintable(error));
    QVERIFY2(data::removeOrderLine("10001", 5000, {"A5000", "Skruv, å", "2,50", "1", "ST"}, &error), qPrintable(error));
    QByteArray after;
    for (int i = 0; i < 10000; ++i) {
        if (i != 5000)
            after += i == 7000 ? QByteArray("\"N\",\"Ny\",\"3\",\"4\",\"KG\"\r\n") : record(i);
    }
    QCOMPARE(folder.read("Order/10001.OrderBasket.log"), after);
}

void TestOrderFiles::orderStatus()
{
    testsupport::AppFolder folder;
    const QByteArray head = "K\r\nNamn\r\n08\r\n1\r\n10001\r\n2026-12-07\r\nS\r\n";
    folder.write("Order/10001.OrderData.log", head + "1, Created not printed\r\n0111\r\nLev \xe5\r\nextra\n");
    QString error;
    QVERIFY2(data::writeOrderStatus("10001", "3, Skickad", &error), qPrintable(error));
    QCOMPARE(folder.read("Order/10001.OrderData.log"), head + "3, Skickad\r\n0111\r\nLev \xe5\r\nextra\n");
    // A status text of several lines (from a hand-edited status list) stays on its one line.
    QVERIFY2(data::writeOrderStatus("10001", "4, Ute\r\nhos\nlev", &error), qPrintable(error));
    QCOMPARE(folder.read("Order/10001.OrderData.log"), head + "4, Ute hos lev\r\n0111\r\nLev \xe5\r\nextra\n");
    folder.write("Order/20002.OrderData.log", head);
    QVERIFY(!data::writeOrderStatus("20002", "3, Skickad", &error));
    QCOMPARE(folder.read("Order/20002.OrderData.log"), head);
}

void TestOrderFiles::amounts_data()
{
    QTest::addColumn<QVector<data::OrderLine>>("lines");
    QTest::addColumn<QString>("text");
    QTest::newRow("none") << QVector<data::OrderLine>{} << "Summa: 0,00";
    QTest::newRow("decimal comma and thousands")
        << QVector<data::OrderLine>{{"A", "", "2,50", "3", "ST"}, {"B", "", "1 200", "1", "ST"}} << "Summa: 1 207,50";
    QTest::newRow("a line without a number is left out")
        << QVector<data::OrderLine>{{"A", "", "12.5", "2", "ST"},
                                    {"B", "", "ca 10", "1", "ST"},
                                    {"C", "", "5", "", "ST"}}
        << "Summa: 25,00 (2 rader utan pris eller antal är inte medräknade)";
    QTest::newRow("negative and a million")
        << QVector<data::OrderLine>{{"A", "", "-1 000 000,004", "1", "ST"}} << "Summa: -1 000 000,00";
    QTest::newRow("rounded, not cut") << QVector<data::OrderLine>{{"A", "", "19,99", "1", "ST"}} << "Summa: 19,99";
    // No blank ahead of a whole group of three digits.
    QTest::newRow("three digits") << QVector<data::OrderLine>{{"A", "", "100", "1", "ST"}} << "Summa: 100,00";
    QTest::newRow("four digits") << QVector<data::OrderLine>{{"A", "", "1249", "1", "ST"}} << "Summa: 1 249,00";
    QTest::newRow("six digits") << QVector<data::OrderLine>{{"A", "", "999 999", "1", "ST"}} << "Summa: 999 999,00";
    QTest::newRow("nine digits") << QVector<data::OrderLine>{{"A", "", "123456789", "1", "ST"}}
                                 << "Summa: 123 456 789,00";
}

void TestOrderFiles::amounts()
{
    QFETCH(QVector<data::OrderLine>, lines);
    QFETCH(QString, text);
    QCOMPARE(data::totalText(data::orderTotal(lines)), text);
}

QTEST_GUILESS_MAIN(TestOrderFiles)
#include "tst_order_files.moc"
