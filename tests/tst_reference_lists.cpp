#include "data/app_folder.h"
#include "data/company_details.h"
#include "data/reference_list.h"
#include "test_support.h"

#include <QDir>
#include <QTest>

class TestReferenceLists : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void reading_data();
    void reading();
    void companyDetails_data();
    void companyDetails();
};

void TestReferenceLists::reading_data()
{
    QTest::addColumn<QByteArray>("bytes"); // a null array: no file at all
    QTest::addColumn<QList<QStringList>>("records");
    QTest::addColumn<QString>("error"); // part of the error, empty when the read succeeds

    QTest::newRow("empty file") << QByteArray("") << QList<QStringList>{} << "";
    QTest::newRow("last line ends with CR LF") << QByteArray("Ahlsell AB,1001\r\nBeijer,1002\r\n")
                                               << QList<QStringList>{{"Ahlsell AB", "1001"}, {"Beijer", "1002"}} << "";
    QTest::newRow("quoted fields: comma and blanks kept")
        << QByteArray("\"Elektroskandia, Sverige AB\",1004\r\n\" 07 \",\"  Delvis \"\r\n")
        << QList<QStringList>{{"Elektroskandia, Sverige AB", "1004"}, {" 07 ", "  Delvis "}} << "";
    QTest::newRow("leading zeros, duplicates, file order")
        << QByteArray("Norrlands,0111\r\nAhlsell,1001\r\nNorrlands,0111\r\n")
        << QList<QStringList>{{"Norrlands", "0111"}, {"Ahlsell", "1001"}, {"Norrlands", "0111"}} << "";
    QTest::newRow("four fields on one line")
        << QByteArray("a,1,b,2\r\nc,3\r\n") << QList<QStringList>{{"a", "1"}, {"b", "2"}, {"c", "3"}} << "";
    QTest::newRow("record split over two lines")
        << QByteArray("a\r\n1\r\nb,2") << QList<QStringList>{{"a", "1"}, {"b", "2"}} << "";
    QTest::newRow("Windows-1252 letters") << QByteArray("G\xf6teborgs F\xe4rghandel,1006\r\n")
                                          << QList<QStringList>{{"Göteborgs Färghandel", "1006"}} << "";
    QTest::newRow("odd field count") << QByteArray("a,1\r\nb\r\n") << QList<QStringList>{}
                                     << "post 2 saknar sitt andra fält";
    QTest::newRow("odd field count on one line") << QByteArray("a,1,b\r\n") << QList<QStringList>{} << "mitt i en post";
    QTest::newRow("missing file") << QByteArray() << QList<QStringList>{} << "finns inte";
}

void TestReferenceLists::reading()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QList<QStringList>, records);
    QFETCH(QString, error);

    testsupport::AppFolder folder;
    if (!bytes.isNull())
        folder.write(QStringLiteral("System/Orderstatus.log"), bytes);
    const QVector<QStringList> before{{"left", "over"}};
    QVector<QStringList> got = before;
    QString message;
    const bool ok = data::readReferenceList(data::kOrderStatusListPath, &got, &message);
    if (error.isEmpty()) {
        QVERIFY2(ok, qPrintable(message));
        QCOMPARE(got, records);
    } else {
        // A failed read names the file and the fault and hands back nothing.
        QVERIFY(!ok);
        const QString path = QDir::toNativeSeparators(folder.file(QStringLiteral("System/Orderstatus.log")));
        QVERIFY2(message.contains(path) && message.contains(error), qPrintable(message));
        QCOMPARE(got, before);
    }
}

void TestReferenceLists::companyDetails_data()
{
    QTest::addColumn<QByteArray>("file"); // null: no file
    QTest::addColumn<QStringList>("read");
    QTest::addColumn<bool>("excludeVat");
    QTest::newRow("no file yet") << QByteArray() << QStringList(8) << true;
    QTest::newRow("all nine lines")
        << QByteArray("J\xe4rn & Tr\xe4 AB\r\nBox 12\r\n123 45 \xd6rebro\r\n556677-8899\r\nSE556677889901\r\n"
                      "019-12 34 56\r\ninkop@jarntra.se\r\nLagerv\xe4gen 3, \xd6rebro\r\ninkl. moms\r\n")
        << QStringList{"Järn & Trä AB",  "Box 12",       "123 45 Örebro",    "556677-8899",
                       "SE556677889901", "019-12 34 56", "inkop@jarntra.se", "Lagervägen 3, Örebro"}
        << false;
    QTest::newRow("short file, LF only") << QByteArray("Firma\nGatan 1\n")
                                         << QStringList{"Firma", "Gatan 1", "", "", "", "", "", ""} << true;
}

void TestReferenceLists::companyDetails()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, read);
    QFETCH(bool, excludeVat);
    testsupport::AppFolder folder;
    if (!file.isNull())
        folder.write("System/Foretag.log", file);
    data::CompanyDetails details;
    QString error;
    QVERIFY2(data::readCompanyDetails(&details, &error), qPrintable(error));
    QCOMPARE(details.lines().mid(0, 8), read);
    QCOMPARE(details.pricesExcludeVat, excludeVat);

    // Written back whole, nine lines; a line break typed into a value stays on its line.
    details.street = "Box 12\r\nPostfack 3";
    QVERIFY2(data::writeCompanyDetails(details, &error), qPrintable(error));
    QByteArray expected;
    read[1] = "Box 12 Postfack 3";
    for (const QString& line : read)
        expected += line.toLatin1() + "\r\n";
    QCOMPARE(folder.read("System/Foretag.log"), expected + (excludeVat ? "exkl. moms\r\n" : "inkl. moms\r\n"));
}

QTEST_GUILESS_MAIN(TestReferenceLists)
#include "tst_reference_lists.moc"
