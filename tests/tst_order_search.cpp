#include "data/order_files.h"
#include "data/order_search.h"
#include "data/order_summary.h"
#include "test_support.h"

#include <QDir>
#include <QFile>
#include <QMutex>
#include <QTest>

class TestOrderSearch : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void matches_data();
    void matches();
    void findsInListOrder_data();
    void findsInListOrder();
    void summarises_data();
    void summarises();
    void readsAgainWhatChanged();
};

void TestOrderSearch::matches_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("byNumber");
    QTest::addColumn<bool>("byData");
    // The order: 211532 for customer K-1007 "Åsa Öberg Café", 08-123456, supplier 0111 "Beijer Bygg",
    // status "4, Delvis levererad".
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
    QTest::newRow("status text, other case") << "DELVIS" << false << true;
    QTest::newRow("status as shown") << "4, delvis lev" << false << true;
    QTest::newRow("date is not searched") << "2026-12" << false << false;
    QTest::newRow("no match") << "Svensson" << false << false;
}

void TestOrderSearch::matches()
{
    QFETCH(QString, typed);
    QFETCH(bool, byNumber);
    QFETCH(bool, byData);
    const QStringList values{"K-1007",         "Åsa Öberg Café",      "08",   "123456",     "211532", "2026-12-07",
                             "ORDERMOTTAGARE", "4, Delvis levererad", "0111", "Beijer Bygg"};
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

void TestOrderSearch::summarises_data()
{
    // How the files stand: the bytes, "" for none, "folder" or "link" for those in their place.
    QTest::addColumn<QByteArray>("dataFile");
    QTest::addColumn<QByteArray>("basketFile");
    QTest::addColumn<QString>("customer");
    QTest::addColumn<QString>("supplier");
    QTest::addColumn<double>("amount"); // -1: none
    QTest::addColumn<int>("linesLeftOut");
    QTest::addColumn<QString>("problem");
    const QByteArray whole = "K-1007\r\n\xc5sa \xd6"
                             "berg\r\n08\r\n123\r\n211532\r\n2026-12-07\r\nS\r\n1, Ny\r\n"
                             "0111\r\nBeijer Bygg\r\n";
    const QByteArray lines = "\"A\",\"Ugn\",\"1 249,00\",\"1\",\"ST\"\r\n\"B\",\"Skruv\",\"0,5\",\"3\",\"ST\"\r\n";
    QTest::newRow("whole order") << whole << lines << "K-1007 Åsa Öberg"
                                 << "Beijer Bygg" << 1250.5 << 0 << "";
    QByteArray noName = whole;
    noName.replace("Beijer Bygg", "");
    noName.replace("K-1007", "");
    QTest::newRow("supplier without a name, customer without a number") << noName << QByteArray() << "Åsa Öberg"
                                                                        << "0111" << 0.0 << 0 << "";
    QTest::newRow("a line without a price is left out") << whole << lines + "\"C\",\"Rör\",\"\",\"2\",\"M\"\r\n"
                                                        << "K-1007 Åsa Öberg"
                                                        << "Beijer Bygg" << 1250.5 << 1 << "";
    QTest::newRow("a damaged line") << whole << "\"C\",\"R\xf6r\r\n" + lines << "K-1007 Åsa Öberg"
                                    << "Beijer Bygg" << 1250.5 << 0 << "Orderraderna är delvis skadade";
    QTest::newRow("basket is a folder") << whole << QByteArray("folder") << "K-1007 Åsa Öberg"
                                        << "Beijer Bygg" << -1.0 << 0
                                        << "Orderraderna kan inte läsas: sökvägen är en mapp, ingen vanlig fil";
    QTest::newRow("data file is a link") << QByteArray("link") << lines << ""
                                         << "" << 1250.5 << 0
                                         << "Orderfilen kan inte läsas: filen är en symbolisk länk";
    QTest::newRow("data file missing, lines still summed") << QByteArray() << lines << ""
                                                           << "" << 1250.5 << 0 << "Orderfilen saknas";
    QTest::newRow("no files at all") << QByteArray() << QByteArray() << ""
                                     << "" << -1.0 << 0 << "Orderfilen saknas";
    QByteArray longName = whole;
    longName.replace("\xc5sa \xd6"
                     "berg",
                     QByteArray(300000, 'x'));
    QTest::newRow("data file larger than one quick read")
        << longName << lines << "K-1007 " + QString(1017, 'x') << "Beijer Bygg" << 1250.5 << 0 << "";
}

void TestOrderSearch::summarises()
{
    QFETCH(QByteArray, dataFile);
    QFETCH(QByteArray, basketFile);
    QFETCH(QString, customer);
    QFETCH(QString, supplier);
    QFETCH(double, amount);
    QFETCH(int, linesLeftOut);
    QFETCH(QString, problem);
    testsupport::AppFolder folder;
    const QStringList names{"Order/211532.OrderData.log", "Order/211532.OrderBasket.log"};
    const QByteArray contents[] = {dataFile, basketFile};
    for (int i = 0; i < 2; ++i) {
        if (contents[i] == "folder")
            QVERIFY(QDir(folder.path()).mkpath(names.at(i)));
        else if (contents[i] == "link")
            QVERIFY(QFile::link(folder.file("Order/other.log"), folder.file(names.at(i))));
        else if (!contents[i].isEmpty())
            folder.write(names.at(i), contents[i]);
    }
    folder.write("Order/other.log", QByteArray(dataFile).replace("link", ""));

    const data::OrderSummary summary = data::readOrderSummary("211532");
    QCOMPARE(summary.number, QString("211532"));
    QCOMPARE(summary.customer, customer);
    QCOMPARE(summary.supplier, supplier);
    QCOMPARE(summary.amount.value_or(-1), amount);
    QCOMPARE(summary.linesLeftOut, linesLeftOut);
    QCOMPARE(summary.problem, problem);
    QCOMPARE(summary.date, QString(customer.isEmpty() ? "" : "2026-12-07"));
    QCOMPARE(summary.status, QString(customer.isEmpty() ? "" : "1, Ny"));
}

void TestOrderSearch::readsAgainWhatChanged()
{
    testsupport::AppFolder folder;
    const QStringList numbers{"100001", "200002", "300003", "../400004", "500005"};
    for (const QString& number : numbers.mid(0, 3))
        folder.write("Order/" + number + ".OrderData.log",
                     "K\r\n" + number.toLatin1() + "\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n");
    folder.write("Order/300003.OrderBasket.log", "\"A\",\"Ugn\",\"10\",\"1\",\"ST\"\r\n");
    const std::atomic_bool cancel{false};
    QMutex guard;
    QVector<data::OrderSummary> read;
    const auto deliver = [&](QVector<data::OrderSummary> batch) {
        QMutexLocker lock(&guard);
        read += batch;
    };
    data::readOrderSummaries(numbers, {}, cancel, deliver, 2);
    QCOMPARE(read.size(), 5);
    QVector<data::OrderStamps> known(numbers.size());
    for (const data::OrderSummary& summary : qAsConst(read))
        known[numbers.indexOf(summary.number)] = summary.stamps;

    // Another program rewrites one data file in place, adds a line to a basket and saves 500005.
    folder.write("Order/200002.OrderData.log", "K\r\n\xc5sa\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n");
    QFile basket(folder.file("Order/300003.OrderBasket.log"));
    QVERIFY(basket.open(QIODevice::Append));
    basket.write("\"B\",\"Ugn\",\"5\",\"1\",\"ST\"\r\n");
    basket.close();
    folder.write("Order/500005.OrderData.log", "K\r\nBo\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n");
    read.clear();
    data::readOrderSummaries(numbers, known, cancel, deliver, 2);
    std::sort(read.begin(), read.end(), [](const auto& a, const auto& b) { return a.number < b.number; });
    QCOMPARE(read.size(), 3);
    QCOMPARE(read.at(0).customer, QString("K Åsa"));
    QCOMPARE(read.at(1).number, QString("300003"));
    QCOMPARE(read.at(1).amount.value_or(-1), 15.0);
    QCOMPARE(read.at(2).customer, QString("K Bo"));
}

QTEST_GUILESS_MAIN(TestOrderSearch)
#include "tst_order_search.moc"
