#include "data/order_files.h"
#include "data/order_void.h"
#include "data/remembered_orders.h"
#include "test_support.h"

#include <QDir>
#include <QSignalSpy>
#include <QTest>

namespace {
using data::RememberedCustomer;
using data::RememberedLine;

// Four saved orders. 300003 is listed after 100001 but dated before it; 400004 has the date of
// 200002 and is listed after it; its second line repeats the article of its first.
void writeOrders(const testsupport::AppFolder& folder)
{
    testsupport::writeTwoSavedOrders(folder);
    folder.write("Order/300003.OrderData.log",
                 "K-17\r\n\xc5sa Berg\r\n08\r\n999\r\n300003\r\n2025-12-20\r\nS\r\n1\r\n1008\r\n\xc5kessons\r\n");
    folder.write("Order/300003.OrderBasket.log", "\"A-100\",\"Skruv 5 mm, gammal\",\"2,20\",\"10\",\"ST\"\r\n"
                                                 "\"C-300\",\"Mutter M8\",\"0,50\",\"5\",\"ST\"\r\n");
    folder.write("Order/400004.OrderData.log",
                 "K-19\r\nCilla Ek\r\n040\r\n7\r\n400004\r\n2026-02-10\r\nS\r\n1\r\n1009\r\nPl\xe5t\r\n");
    folder.write("Order/400004.OrderBasket.log",
                 "\"A-101\",\"Skruv 6 mm\",\"3,10\",\"1\",\"ST\"\r\n"
                 "\"A-100\",\"Skruv 5 mm rostfri\",\"2,80\",\"1\",\"FRP\"\r\n"
                 "\"A-100\",\"Skruv 5 mm rostfri, 100-pack\",\"2,90\",\"1\",\"FRP\"\r\n");
    folder.write("Order/Lista.log", "100001\r\n200002\r\n300003\r\n400004\r\n");
}

data::RememberedOrders* readNow()
{
    data::RememberedOrders* memory = data::RememberedOrders::instance();
    const std::atomic_bool cancel{false};
    memory->readChanges(cancel);
    return memory;
}
} // namespace

class TestOrderMemory : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { data::RememberedOrders::instance()->stop(); }
    void cleanup() { data::RememberedOrders::instance()->stop(); }
    void articles_data();
    void articles();
    void manyArticles_data();
    void manyArticles();
    void customers();
    void sameDayListOrderWins();
    void voidedOrderForgotten();
    void damagedFilesSkipped();
};

void TestOrderMemory::articles_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("supplier");
    QTest::addColumn<QStringList>("offered");
    QTest::addColumn<QString>("description"); // of the line filled in for the first one offered
    QTest::addColumn<QString>("price");
    QTest::addColumn<QString>("unit");

    QTest::newRow("the supplier's own first, each newest first")
        << ""
        << "1008" << QStringList{"B-200", "A-100", "C-300", "A-101"} << "Bult M8"
        << "4,00"
        << "ST";
    // The later line of the later order listed on the same day.
    QTest::newRow("another supplier's") << ""
                                        << "1009" << QStringList{"A-100", "A-101", "B-200", "C-300"}
                                        << "Skruv 5 mm rostfri, 100-pack"
                                        << "2,90"
                                        << "FRP";
    QTest::newRow("no supplier: the newest")
        << ""
        << "" << QStringList{"A-100", "A-101", "B-200", "C-300"} << "Skruv 5 mm rostfri, 100-pack"
        << "2,90"
        << "FRP";
    // Dated later than the order listed after it.
    QTest::newRow("capitals or not, the supplier's line") << "a-1"
                                                          << "1008" << QStringList{"A-100", "A-101"} << "Skruv 5 mm"
                                                          << "2,50"
                                                          << "ST";
    QTest::newRow("from another supplier when the order's never had it")
        << "A-101"
        << "1008" << QStringList{"A-101"} << "Skruv 6 mm"
        << "3,10"
        << "ST";
    QTest::newRow("a supplier never ordered from") << "c"
                                                   << "2000" << QStringList{"C-300"} << "Mutter M8"
                                                   << "0,50"
                                                   << "ST";
    QTest::newRow("nothing begins so") << "X"
                                       << "1008" << QStringList{} << ""
                                       << ""
                                       << "";
}

void TestOrderMemory::articles()
{
    QFETCH(QString, typed);
    QFETCH(QString, supplier);
    QFETCH(QStringList, offered);
    QFETCH(QString, description);
    QFETCH(QString, price);
    QFETCH(QString, unit);
    testsupport::AppFolder folder;
    writeOrders(folder);
    data::RememberedOrders* memory = readNow();

    QCOMPARE(memory->articleSuggestions(typed, supplier, 10), offered);
    QCOMPARE(memory->articleSuggestions(typed, supplier, 1), offered.mid(0, 1));
    if (offered.isEmpty())
        return;
    QCOMPARE(memory->articleLine(offered.first(), supplier), (RememberedLine{description, price, unit}));
    // The number as it was typed, not another way of writing it.
    QCOMPARE(memory->articleLine(offered.first().toLower(), supplier), std::nullopt);
}

void TestOrderMemory::manyArticles_data()
{
    QTest::addColumn<QString>("supplier");
    QTest::addColumn<QStringList>("offered");
    QTest::newRow("the supplier's newest lines") << "1008" << QStringList{"N2099", "N2098", "N2097"};
    QTest::newRow("another supplier's one, then the newest") << "1009" << QStringList{"N0005", "N2099", "N2098"};
}

void TestOrderMemory::manyArticles()
{
    QFETCH(QString, supplier);
    QFETCH(QStringList, offered);
    // More numbers begin with "n" than are ranked one by one.
    testsupport::AppFolder folder;
    QByteArray basket;
    for (int i = 0; i < 2100; ++i)
        basket += QStringLiteral("\"N%1\",\"\",\"\",\"\",\"ST\"\r\n").arg(i, 4, 10, QLatin1Char('0')).toLatin1();
    folder.write("Order/1.OrderData.log", "\r\n\r\n\r\n\r\n1\r\n2026-01-01\r\n\r\n\r\n1008\r\n\r\n");
    folder.write("Order/1.OrderBasket.log", basket);
    folder.write("Order/2.OrderData.log", "\r\n\r\n\r\n\r\n2\r\n2026-03-01\r\n\r\n\r\n1009\r\n\r\n");
    folder.write("Order/2.OrderBasket.log", "\"N0005\",\"\",\"\",\"\",\"ST\"\r\n");
    folder.write("Order/Lista.log", "1\r\n2\r\n");
    QCOMPARE(readNow()->articleSuggestions("n", supplier, 3), offered);
}

void TestOrderMemory::customers()
{
    testsupport::AppFolder folder;
    writeOrders(folder);
    data::RememberedOrders* memory = readNow();
    // K-17's order dated later names her anew, though listed first.
    QCOMPARE(memory->customer("K-17"), (RememberedCustomer{"K-17", "Åsa Öberg", "08", "123 45 67"}));
    QCOMPARE(memory->customer("K-1"), std::nullopt);
    const auto numbers = [](const QVector<RememberedCustomer>& customers) {
        QStringList found;
        for (const RememberedCustomer& customer : customers)
            found << customer.number + " " + customer.name;
        return found;
    };
    QCOMPARE(numbers(memory->customerSuggestions("k-1", 10)),
             QStringList({"K-19 Cilla Ek", "K-18 Bengt Berg", "K-17 Åsa Öberg"}));
    QCOMPARE(numbers(memory->customerSuggestions("BERG", 10)), QStringList({"K-18 Bengt Berg", "K-17 Åsa Öberg"}));
    QCOMPARE(numbers(memory->customerSuggestions("k-1", 1)), QStringList({"K-19 Cilla Ek"}));
}

void TestOrderMemory::sameDayListOrderWins()
{
    // Orders of one day count in the order they are listed, however many are read side by side.
    testsupport::AppFolder folder;
    QByteArray list;
    for (int i = 1; i <= 700; ++i) {
        const QByteArray nr = QByteArray::number(i);
        folder.write("Order/" + nr + ".OrderData.log",
                     "K-1\r\nKund " + nr + "\r\n\r\n\r\n" + nr + "\r\n2026-05-04\r\n\r\n\r\n1008\r\n\r\n");
        folder.write("Order/" + nr + ".OrderBasket.log", "\"S\",\"Order " + nr + "\",\"1\",\"1\",\"ST\"\r\n");
        if (i != 17)
            list += nr + "\r\n";
    }
    folder.write("Order/Lista.log", list + "17\r\n");
    data::RememberedOrders* memory = readNow();
    QCOMPARE(memory->articleLine("S", "1008"), (RememberedLine{"Order 17", "1", "ST"}));
    QCOMPARE(memory->customer("K-1"), (RememberedCustomer{"K-1", "Kund 17", "", ""}));
}

void TestOrderMemory::voidedOrderForgotten()
{
    testsupport::AppFolder folder;
    writeOrders(folder);
    data::RememberedOrders* memory = data::RememberedOrders::instance();
    QSignalSpy read(memory, &data::RememberedOrders::readingDone);
    memory->start();
    QVERIFY(read.wait(5000));
    QCOMPARE(memory->articleLine("A-101", "1008"), (RememberedLine{"Skruv 6 mm", "3,10", "ST"}));

    // Voided here: at once the order before it speaks again, and its customer is gone.
    data::VoidOutcome outcome;
    QString error;
    QVERIFY(data::voidOrder("400004", 0, &outcome, &error));
    QCoreApplication::processEvents();
    QCOMPARE(memory->articleLine("A-101", "1008"), (RememberedLine{"Skruv 6 mm", "3,00", "ST"}));
    QCOMPARE(memory->articleLine("A-100", "1009"), (RememberedLine{"Skruv 5 mm rostfri", "2,75", "FRP"}));
    QCOMPARE(memory->customer("K-19"), std::nullopt);
    QCOMPARE(memory->customerSuggestions("k-1", 10).size(), 2);

    // Voided by another program: its list no longer names 200002 and its files are gone.
    folder.write("Order/Lista.log", "100001\r\n300003\r\n");
    QVERIFY(QFile::remove(folder.file("Order/200002.OrderData.log")));
    QVERIFY(QFile::remove(folder.file("Order/200002.OrderBasket.log")));
    QTRY_COMPARE_WITH_TIMEOUT(memory->articleSuggestions("a", "1009", 10), QStringList({"A-100"}), 5000);
    QCOMPARE(memory->articleLine("A-101", ""), std::nullopt);
    QCOMPARE(memory->customer("K-18"), std::nullopt);
    QCOMPARE(memory->articleLine("A-100", "1009"), (RememberedLine{"Skruv 5 mm", "2,50", "ST"}));
}

void TestOrderMemory::damagedFilesSkipped()
{
    testsupport::AppFolder folder;
    writeOrders(folder);
    // A basket with a record cut short, a data file of three lines, and a folder in a data file's place.
    folder.write("Order/200002.OrderBasket.log", "\"A-101\",\"Skruv 6 mm\",\"3,00\",\"5\",\"ST\"\r\n"
                                                 "\"D-400\",\"Bricka\r\n");
    folder.write("Order/300003.OrderData.log", "K-17\r\n\xc5sa Berg\r\n08\r\n");
    QVERIFY(QFile::remove(folder.file("Order/400004.OrderData.log")));
    QVERIFY(QDir(folder.file("Order")).mkdir("400004.OrderData.log"));
    data::RememberedOrders* memory = readNow();

    QCOMPARE(memory->articleSuggestions("", "", 10), QStringList({"B-200", "A-100"}));
    QCOMPARE(memory->articleLine("A-100", "1009"), (RememberedLine{"Skruv 5 mm", "2,50", "ST"}));
    // The damaged basket's order still names its customer.
    QCOMPARE(memory->customer("K-18"), (RememberedCustomer{"K-18", "Bengt Berg", "031", "11 22 33"}));
    QCOMPARE(memory->customer("K-19"), std::nullopt);
}

QTEST_GUILESS_MAIN(TestOrderMemory)
#include "tst_order_memory.moc"
