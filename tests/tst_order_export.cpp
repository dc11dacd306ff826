#include "data/order_export.h"
#include "test_support.h"

#include <QDir>
#include <QTest>

class TestOrderExport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fields_data();
    void fields();
    void smallRegister();
    void nothingLeftBehind_data();
    void nothingLeftBehind();
};

namespace {
QByteArray dataFile(const QByteArrayList& lines)
{
    return lines.join("\r\n") + "\r\n";
}

void writeRegister(const testsupport::AppFolder& folder)
{
    // An empty line, a repeated entry and an order whose files are gone are all in the list.
    folder.write("Order/Lista.log", "1001\r\n\r\n1002\r\n1001\r\n1003\r\n");
    folder.write("Order/1001.OrderData.log",
                 dataFile({"42", "Kalle \"K\" AB", "08", "123 45", "1001", "2026-12-07", "ORDERMOTTAGARE",
                           "1, Created not printed", "1004", "Elektroskandia; G\xf6teborg"}));
    folder.write("Order/1001.OrderBasket.log", "\"A1\",\"Skruv\",\"1234,5\",\"2\",\"st\"\r\n"
                                               "\"B2\",\" Mutter\",\"12,50\",\"1 000\",\"st\"\r\n"
                                               "\"C3\",\"Pris saknas\",\"\",\"3\",\"m\"\r\n"
                                               "\"D4\",\"Borr\",\"1 249,00\",\"ca 2\",\"st\"\r\n");
    folder.write("Order/1002.OrderData.log",
                 dataFile({"7", "Eva", "", "555", "1002", "2026-12-08", "ORDERMOTTAGARE", "0", "", ""}));
}
} // namespace

void TestOrderExport::fields_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("written");
    // As a unit price, quantity or amount column writes it.
    QTest::addColumn<QString>("asNumber");

    QTest::newRow("plain") << "Skruv 4x40"
                           << "Skruv 4x40"
                           << "Skruv 4x40";
    QTest::newRow("comma needs nothing") << "Ahlsell, Syd"
                                         << "Ahlsell, Syd"
                                         << "Ahlsell, Syd";
    QTest::newRow("semicolon") << "a;b"
                               << "\"a;b\""
                               << "\"a;b\"";
    QTest::newRow("quote doubled") << "15\" skärm"
                                   << "\"15\"\" skärm\""
                                   << "\"15\"\" skärm\"";
    QTest::newRow("line break") << "a\r\nb"
                                << "\"a\r\nb\""
                                << "\"a\r\nb\"";
    QTest::newRow("leading blank") << " x"
                                   << "\" x\""
                                   << "\" x\"";
    QTest::newRow("trailing tab") << "x\t"
                                  << "\"x\t\""
                                  << "\"x\t\"";
    QTest::newRow("inner blank") << "x y"
                                 << "x y"
                                 << "x y";
    QTest::newRow("empty") << ""
                           << ""
                           << "";
    // A spreadsheet reads a blank between thousands, or a decimal point, as text.
    QTest::newRow("thousands") << "1 249,00"
                               << "1 249,00"
                               << "1249,00";
    QTest::newRow("thousands, no-break space") << "12\u00a0000"
                                               << "12\u00a0000"
                                               << "12000";
    QTest::newRow("decimal point") << "12.5"
                                   << "12.5"
                                   << "12,5";
    QTest::newRow("blank around a number") << " 3 "
                                           << "\" 3 \""
                                           << "3";
    QTest::newRow("negative") << "-1 500,5"
                              << "-1 500,5"
                              << "-1500,5";
    QTest::newRow("not a number is as typed") << "ca 1 200"
                                              << "ca 1 200"
                                              << "ca 1 200";
}

void TestOrderExport::fields()
{
    QFETCH(QString, value);
    QFETCH(QString, written);
    QFETCH(QString, asNumber);
    QCOMPARE(data::csvField(value), written);
    QCOMPARE(data::csvNumber(value), asNumber);
}

void TestOrderExport::smallRegister()
{
    testsupport::AppFolder folder;
    writeRegister(folder);
    // A1 arrives in two parts, B2 in part and its rest is closed, C3 not at all, D4 (no number) whole.
    folder.write("Order/1001.OrderDelivery.log", "\"2026-12-09\",\"1\",\"A1\",\"0,5\"\r\n"
                                                 "\"2026-12-09\",\"2\",\"B2\",\"250,25\"\r\n"
                                                 "\"2026-12-10\",\"1\",\"A1\",\"1\"\r\n"
                                                 "\"2026-12-10\",\"2\",\"B2\",\"avslutad\"\r\n"
                                                 "\"2026-12-10\",\"4\",\"D4\",\"levererad\"\r\n");
    // A torn delivery record leaves its order out, as a torn order line does.
    folder.write("Order/Lista.log", "1001\r\n\r\n1002\r\n1001\r\n1003\r\n1004\r\n");
    folder.write("Order/1004.OrderData.log",
                 dataFile({"8", "Bo", "", "", "1004", "2026-12-09", "S", "4, Delvis levererad", "", ""}));
    folder.write("Order/1004.OrderBasket.log", "\"A1\",\"Skruv\",\"1\",\"2\",\"st\"\r\n");
    folder.write("Order/1004.OrderDelivery.log", "\"2026-12-09\",\"1\",\"A1\",\"1\r\n");
    const QString path = folder.file("export.csv");
    // An earlier export larger than any data file is still replaced: it is never read.
    QFile earlier(path);
    QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.resize(65 * 1024 * 1024));
    earlier.close();
    data::ExportResult result;
    QString error;
    QVERIFY2(data::exportOrders(path, &result, &error), qPrintable(error));

    const QByteArray expected =
        "\xEF\xBB\xBF"
        "Ordernummer;Orderdatum;S\xC3\xA4ljare;Status;Statustext;Kundnummer;Namn;Telefon;Leverant\xC3\xB6rsnummer;"
        "Leverant\xC3\xB6r;Artikelnummer;Ben\xC3\xA4mning;\xC3\x80-pris;Antal;Enhet;Belopp;Levererat;Rest\r\n"
        "1001;2026-12-07;ORDERMOTTAGARE;1;Created not printed;42;\"Kalle \"\"K\"\" AB\";08-123 45;1004;"
        "\"Elektroskandia; G\xC3\xB6teborg\";A1;Skruv;1234,5;2;st;2469,00;1,5;0,5\r\n"
        "1001;2026-12-07;ORDERMOTTAGARE;1;Created not printed;42;\"Kalle \"\"K\"\" AB\";08-123 45;1004;"
        "\"Elektroskandia; G\xC3\xB6teborg\";B2;\" Mutter\";12,50;1000;st;12500,00;250,25;avslutad\r\n"
        "1001;2026-12-07;ORDERMOTTAGARE;1;Created not printed;42;\"Kalle \"\"K\"\" AB\";08-123 45;1004;"
        "\"Elektroskandia; G\xC3\xB6teborg\";C3;Pris saknas;;3;m;;0;3\r\n"
        "1001;2026-12-07;ORDERMOTTAGARE;1;Created not printed;42;\"Kalle \"\"K\"\" AB\";08-123 45;1004;"
        "\"Elektroskandia; G\xC3\xB6teborg\";D4;Borr;1249,00;ca 2;st;;ja;0\r\n"
        "1002;2026-12-08;ORDERMOTTAGARE;0;;7;Eva;555;;;;;;;;;;\r\n";
    QCOMPARE(folder.read("export.csv"), expected);
    QCOMPARE(result.orders, 2);
    QCOMPARE(result.rows, 5);
    QCOMPARE(result.skipped, QStringList({"1003", "1004"}));
}

void TestOrderExport::nothingLeftBehind_data()
{
    QTest::addColumn<QByteArray>("before"); // null: no file there
    QTest::addColumn<int>("cancelAtCall");  // -1: never cancelled
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("error"); // part of the message, empty for a cancel
    QTest::addColumn<QString>("setup"); // "read-only", or "link:" and what the target links to

    const QByteArray list = "1001\r\n\r\n1002\r\n1001\r\n1003\r\n";
    QTest::newRow("cancelled at once") << QByteArray() << 0 << "export.csv"
                                       << ""
                                       << "";
    QTest::newRow("cancelled when all is written keeps the old file") << QByteArray("gammal\r\n") << 1 << "export.csv"
                                                                      << ""
                                                                      << "";
    QTest::newRow("folder missing") << QByteArray() << -1 << "saknas/export.csv"
                                    << "finns inte"
                                    << "";
    // The program's own files are never an export's target, whoever runs it.
    QTest::newRow("over the order list") << list << -1 << "Order/Lista.log"
                                         << "hör till programmet"
                                         << "";
    QTest::newRow("into the Order folder") << QByteArray() << -1 << "Order/export.csv"
                                           << "hör till programmet"
                                           << "";
    QTest::newRow("into System") << QByteArray() << -1 << "System/export.csv"
                                 << "hör till programmet"
                                 << "";
    QTest::newRow("through a link to the order list") << list << -1 << "export.csv"
                                                      << "symbolisk länk"
                                                      << "link:Order/Lista.log";
    QTest::newRow("over a read-only file") << QByteArray("gammal\r\n") << -1 << "export.csv"
                                           << "skrivskyddad"
                                           << "read-only";
}

void TestOrderExport::nothingLeftBehind()
{
    QFETCH(QByteArray, before);
    QFETCH(int, cancelAtCall);
    QFETCH(QString, target);
    QFETCH(QString, error);
    QFETCH(QString, setup);

    testsupport::AppFolder folder;
    writeRegister(folder);
    QDir(folder.path()).mkdir("System");
    if (setup.startsWith("link:"))
        QVERIFY(QFile::link(folder.file(setup.mid(5)), folder.file(target)));
    else if (!before.isNull())
        folder.write(target, before);
    if (setup == "read-only")
        QVERIFY(QFile::setPermissions(folder.file(target), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    const QStringList filesBefore = QDir(folder.path()).entryList(QDir::Files);

    int calls = 0;
    data::ExportResult result;
    QString message;
    const bool ok =
        data::exportOrders(folder.file(target), &result, &message, [&](int, int) { return calls++ != cancelAtCall; });
    QVERIFY(!ok);
    QCOMPARE(result.cancelled, error.isEmpty());
    QVERIFY2(message.contains(error), qPrintable(message));
    QCOMPARE(folder.exists(target), !before.isNull());
    if (!before.isNull())
        QCOMPARE(folder.read(target), before);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), filesBefore);
    QCOMPARE(folder.read("Order/Lista.log"), QByteArray("1001\r\n\r\n1002\r\n1001\r\n1003\r\n"));
    QCOMPARE(QDir(folder.file("Order")).entryList(QDir::Files),
             QStringList({"1001.OrderBasket.log", "1001.OrderData.log", "1002.OrderData.log", "Lista.log"}));
}

QTEST_GUILESS_MAIN(TestOrderExport)
#include "tst_order_export.moc"
