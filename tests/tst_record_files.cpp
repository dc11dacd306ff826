#include "data/app_folder.h"
#include "data/order_number.h"
#include "data/record_io.h"
#include "data/text_codec.h"
#include "data/text_file.h"
#include "test_support.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTest>

class TestRecordFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fieldReading_data();
    void fieldReading();
    void quotedRecordRoundTrip_data();
    void quotedRecordRoundTrip();
    void lineReading_data();
    void lineReading();
    void codePage_data();
    void codePage();
    void appendCreatesMissingFile();
    void dataPathUsesPlatformSeparator();
    void applicationFolderChoice_data();
    void applicationFolderChoice();
    void failuresNameFileAndReason();
    void orderNumber_data();
    void orderNumber();
};

void TestRecordFiles::fieldReading_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("count");
    QTest::addColumn<QList<QStringList>>("records");
    QTest::addColumn<bool>("complete");

    QTest::newRow("empty file") << QString() << 2 << QList<QStringList>{} << true;
    QTest::newRow("final CR LF gives no extra record") << "a,b\r\nc,d\r\n"
                                                       << 2 << QList<QStringList>{{"a", "b"}, {"c", "d"}} << true;
    QTest::newRow("comma inside quotes") << "\"Elektro, AB\",1004\r\n"
                                         << 2 << QList<QStringList>{{"Elektro, AB", "1004"}} << true;
    QTest::newRow("blanks: leading skipped, trailing dropped unless quoted")
        << "  Ahlsell  ,\"  07 \"\r\n"
        << 2 << QList<QStringList>{{"Ahlsell", "  07 "}} << true;
    QTest::newRow("leading zeros kept") << "Norrlands,0111\r\n"
                                        << 2 << QList<QStringList>{{"Norrlands", "0111"}} << true;
    QTest::newRow("four fields on one line") << "a,1,b,2\r\n"
                                             << 2 << QList<QStringList>{{"a", "1"}, {"b", "2"}} << true;
    QTest::newRow("record split over two lines")
        << "a\r\n1\r\nb,2" << 2 << QList<QStringList>{{"a", "1"}, {"b", "2"}} << true;
    QTest::newRow("odd field count ends inside a record") << "a,1\r\nb\r\n"
                                                          << 2 << QList<QStringList>{{"a", "1"}} << false;
    QTest::newRow("quote inside a field cuts it short") << "\"12\"\" skruv\",\"x\"\r\n"
                                                        << 2 << QList<QStringList>{{"12", "x"}} << true;
    QTest::newRow("LF only and CR only line ends")
        << "a,1\nb,2\rc,3" << 2 << QList<QStringList>{{"a", "1"}, {"b", "2"}, {"c", "3"}} << true;
    QTest::newRow("basket record with empty fields") << "\"\",\"\",\"\",\"\",\"ST\"\r\n"
                                                     << 5 << QList<QStringList>{{"", "", "", "", "ST"}} << true;
}

void TestRecordFiles::fieldReading()
{
    QFETCH(QString, text);
    QFETCH(int, count);
    QFETCH(QList<QStringList>, records);
    QFETCH(bool, complete);

    data::RecordReader reader(text);
    QList<QStringList> got;
    bool ok = true;
    QStringList fields;
    while (!reader.atEnd()) {
        if (!reader.readFields(count, &fields)) {
            ok = false;
            break;
        }
        got.append(fields);
    }
    QCOMPARE(got, records);
    QCOMPARE(ok, complete);
}

void TestRecordFiles::quotedRecordRoundTrip_data()
{
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("plain") << QStringList{"A-100", "Skruv", "12", "3", "ST"}
                           << QByteArray("\"A-100\",\"Skruv\",\"12\",\"3\",\"ST\"\r\n");
    QTest::newRow("decimal comma") << QStringList{"B2", "Bult, rostfri", "12,50", "1,5", "KG"}
                                   << QByteArray("\"B2\",\"Bult, rostfri\",\"12,50\",\"1,5\",\"KG\"\r\n");
    QTest::newRow("swedish letters") << QStringList{"Å1", "Ärtor och ölkorg ©", "9", "1", "FRP"}
                                     << QByteArray("\"\xc5"
                                                   "1\",\"\xc4rtor och \xf6lkorg \xa9\",\"9\",\"1\",\"FRP\"\r\n");
    QTest::newRow("blanks kept inside quotes") << QStringList{" 7 ", "  lång  ", "", "", "PALL"}
                                               << QByteArray("\" 7 \",\"  l\xe5ng  \",\"\",\"\",\"PALL\"\r\n");
}

void TestRecordFiles::quotedRecordRoundTrip()
{
    QFETCH(QStringList, fields);
    QFETCH(QByteArray, bytes);
    QCOMPARE(data::quotedRecord(fields), bytes);
    data::RecordReader reader(data::decodeWindows1252(bytes));
    QStringList back;
    QVERIFY(reader.readFields(int(fields.size()), &back));
    QCOMPARE(back, fields);
    QVERIFY(reader.atEnd());
}

void TestRecordFiles::lineReading_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("empty") << QString() << QStringList{};
    QTest::newRow("last line without CR LF") << "123\r\n456" << QStringList{"123", "456"};
    QTest::newRow("empty line kept") << "1\r\n\r\n2\r\n" << QStringList{"1", "", "2"};
    QTest::newRow("comma survives whole-line reading") << "1, Created not printed\r\n"
                                                       << QStringList{"1, Created not printed"};
    QTest::newRow("mixed line ends") << "a\nb\rc\r\n" << QStringList{"a", "b", "c"};
}

void TestRecordFiles::lineReading()
{
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    data::RecordReader reader(text);
    QStringList got;
    while (!reader.atEnd())
        got.append(reader.readLine());
    QCOMPARE(got, lines);
}

void TestRecordFiles::codePage_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("swedish letters and copyright")
        << QStringLiteral("åäöÅÄÖ©") << QByteArray("\xe5\xe4\xf6\xc5\xc4\xd6\xa9");
    QTest::newRow("euro and dash from the 0x80 block") << QStringLiteral("€–") << QByteArray("\x80\x96");
    QTest::newRow("outside the code page becomes ?") << QStringLiteral("a\u0416b") << QByteArray("a?b");
    QTest::newRow("a character beyond 16 bits is one ?") << QStringLiteral("x\U0001F600y") << QByteArray("x?y");
    QTest::newRow("half a character at the end is ?") << QString("123") + QChar(0xD83D) << QByteArray("123?");
    QTest::newRow("lone low half is ?") << QStringLiteral("å") + QChar(0xDE00) + "b" << QByteArray("\xe5?b");
    // A misfit early in a value must not turn the letters after it into "?" as well.
    QTest::newRow("misfit, then swedish letters") << QStringLiteral("≥ mässing") << QByteArray("? m\xe4ssing");
    QTest::newRow("misfits around a fitting letter") << QStringLiteral("Łódź")
                                                     << QByteArray("?\xf3"
                                                                   "d?");
    QTest::newRow("misfit, then å ä ö é, misfit at the end")
        << QStringLiteral("Ж åäöé≥") << QByteArray("? \xe5\xe4\xf6\xe9?");
    QTest::newRow("undefined C1 controls keep their byte")
        << QStringLiteral("\u0081\u009d\u0080") << QByteArray("\x81\x9d?");
}

void TestRecordFiles::codePage()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(data::encodeWindows1252(text), bytes);
    QCOMPARE(data::lineRecord(text), bytes + "\r\n");
    QCOMPARE(data::quotedRecord({text}), "\"" + bytes + "\"\r\n");
    if (!bytes.contains('?'))
        QCOMPARE(data::decodeWindows1252(bytes), text);
}

void TestRecordFiles::appendCreatesMissingFile()
{
    testsupport::AppFolder folder;
    QString error;
    const QString path = data::dataPath(QStringLiteral("\\Order\\Lista.log"));
    QVERIFY(!data::fileExists(path));
    QVERIFY(data::appendToFile(path, data::lineRecord(QStringLiteral("10001")), &error));
    QVERIFY(data::appendToFile(path, data::lineRecord(QStringLiteral("20002")), &error));
    QCOMPARE(folder.read(QStringLiteral("Order/Lista.log")), QByteArray("10001\r\n20002\r\n"));
}

void TestRecordFiles::dataPathUsesPlatformSeparator()
{
    testsupport::AppFolder folder;
    QCOMPARE(data::dataPath(QStringLiteral("\\System\\Language\\Svenska.lng")),
             folder.path() + QStringLiteral("/System/Language/Svenska.lng"));
}

void TestRecordFiles::applicationFolderChoice_data()
{
    // bin/ is the executable's folder, `shipped` holds the shipped files and `home` is XDG_DATA_HOME.
    QTest::addColumn<QString>("shipped");
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<QString>("home");
    QTest::addColumn<QByteArray>("suppliers"); // the clerk's own list, already in the user's folder
    QTest::addColumn<QString>("chosen");       // the folder, or what the clerk is told instead
    const QByteArray none;
    QTest::newRow("portable folder") << "bin/System" << false << "home" << none << "bin";
    // The owner's write bit marks it read-only for root too, who passes every access check.
    QTest::newRow("read-only portable folder") << "bin/System" << true << "home" << none << "home/ZEL2007";
    QTest::newRow("installed") << "share/zel2007/System" << false << "a/home" << none << "a/home/ZEL2007";
    QTest::newRow("clerk's own list kept")
        << "share/zel2007/System" << false << "home" << QByteArray("\"Egen AB\",\"7\"\r\n") << "home/ZEL2007";
    QTest::newRow("no shipped files") << "elsewhere/System" << false << "home" << none
                                      << "System-filer finns varken i ";
    QTest::newRow("data home is a file") << "share/zel2007/System" << false << "bin/zel2007" << none
                                         << "Kunde inte skapa mappen ";
}

void TestRecordFiles::applicationFolderChoice()
{
    QFETCH(QString, shipped);
    QFETCH(bool, readOnly);
    QFETCH(QString, home);
    QFETCH(QByteArray, suppliers);
    QFETCH(QString, chosen);
    testsupport::AppFolder scratch;
    const QDir root(scratch.path());
    QVERIFY(root.mkpath(QStringLiteral("bin")) && root.mkpath(shipped + QStringLiteral("/Language")));
    scratch.write(QStringLiteral("bin/zel2007"), "x");
    scratch.write(shipped + QStringLiteral("/Orderstatus.log"), "\"1\",\"Ny\"\r\n");
    scratch.write(shipped + QStringLiteral("/Leverantorer.log"), "\"Bult AB\",\"1008\"\r\n");
    scratch.write(shipped + QStringLiteral("/Language/Svenska.lng"), "[Svenska]\r\n");
    if (!suppliers.isEmpty() && root.mkpath(QStringLiteral("home/ZEL2007/System")))
        scratch.write(QStringLiteral("home/ZEL2007/System/Leverantorer.log"), suppliers);
    const QString bin = scratch.file(QStringLiteral("bin"));
    const auto all = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
    QVERIFY(QFile::setPermissions(bin, readOnly ? all & ~QFileDevice::WriteOwner : all));
    const auto restore = qScopeGuard([&] {
        QFile::setPermissions(bin, all);
        qunsetenv("XDG_DATA_HOME");
        QCoreApplication::setApplicationName(QStringLiteral("tst_record_files"));
    });
    qputenv("XDG_DATA_HOME", QFile::encodeName(scratch.file(home)));
    QCoreApplication::setApplicationName(QStringLiteral("ZEL2007")); // as main() names it

    // A second start finds the folder made and changes nothing in it.
    for (int start = 1; start <= 2; ++start) {
        QString error;
        const bool started = data::settleApplicationFolder(bin, &error);
        if (chosen.contains(QLatin1Char(' '))) {
            QVERIFY2(!started && error.startsWith(QStringLiteral("ZEL2007 kan inte starta")) && error.contains(chosen),
                     qPrintable(error));
            return;
        }
        QVERIFY2(started, qPrintable(error));
        QCOMPARE(data::applicationFolder(), scratch.file(chosen));
    }
    if (chosen == QStringLiteral("bin")) {
        QVERIFY(!scratch.exists(home));
        return;
    }
    // Every entry of the user's folder with its bytes.
    QStringList entries;
    QDirIterator it(scratch.file(chosen), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString relative = QDir(scratch.file(chosen)).relativeFilePath(it.next());
        entries << relative + QLatin1Char('=') + QString::fromLatin1(scratch.read(chosen + '/' + relative));
    }
    entries.sort();
    const QByteArray expectedSuppliers = suppliers.isEmpty() ? QByteArray("\"Bult AB\",\"1008\"\r\n") : suppliers;
    QCOMPARE(entries, QStringList({"Order=", "System/Language/Svenska.lng=[Svenska]\r\n",
                                   "System/Language=", "System/Leverantorer.log=" + expectedSuppliers,
                                   "System/Orderstatus.log=\"1\",\"Ny\"\r\n", "System="}));
}

void TestRecordFiles::failuresNameFileAndReason()
{
    testsupport::AppFolder folder(false);
    QString error;
    const QString path = data::dataPath(QStringLiteral("\\Order\\1.OrderData.log"));
    QVERIFY(!data::replaceFile(path, "x", &error));
    QVERIFY2(error.contains(path) && error.contains(QStringLiteral("finns inte")), qPrintable(error));
    QString text;
    QVERIFY(!data::readTextFile(data::dataPath(QStringLiteral("\\System\\Saknas.log")), &text, &error));
    QVERIFY2(error.contains(QStringLiteral("Saknas.log")) && error.contains(QStringLiteral("finns inte")),
             qPrintable(error));

    // Refused access is told in Swedish as well: a list nobody may read, an order folder nobody may write.
    folder.write(QStringLiteral("System/Leverantorer.log"), "a,1\r\n");
    const QString unreadable = folder.file(QStringLiteral("System/Leverantorer.log"));
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("Order")));
    const QString orders = folder.file(QStringLiteral("Order"));
    QVERIFY(QFile::setPermissions(unreadable, QFileDevice::WriteOwner));
    QVERIFY(QFile::setPermissions(orders, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    const bool privileged = QFileInfo(unreadable).isReadable();
    const bool readRefused =
        !data::readTextFile(unreadable, &text, &error) && error.contains(QStringLiteral("åtkomst nekad"));
    const QString readError = error;
    const bool writeRefused =
        !data::replaceFile(path, "x", &error) && error.contains(QStringLiteral("åtkomst nekad till mappen"));
    QFile::setPermissions(unreadable, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QFile::setPermissions(orders, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    // A privileged user passes every access check, so only others see these two refusals.
    if (!privileged) {
        QVERIFY2(readRefused, qPrintable(readError));
        QVERIFY2(writeRefused, qPrintable(error));
    }

    // The owner's write bit marks an order read-only for everyone, a privileged user included.
    folder.write(QStringLiteral("Order/1.OrderData.log"), "x\r\n");
    QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther));
    error.clear();
    QVERIFY(!data::deleteFile(path, &error));
    QVERIFY2(error.contains(path) && error.contains(QStringLiteral("filen är skrivskyddad")), qPrintable(error));
    QCOMPARE(folder.read(QStringLiteral("Order/1.OrderData.log")), QByteArray("x\r\n"));
}

void TestRecordFiles::orderNumber_data()
{
    QTest::addColumn<QDateTime>("moment");
    QTest::addColumn<QString>("number");
    // 2026-12-06 is a Sunday.
    QTest::newRow("sunday midnight") << QDateTime(QDate(2026, 12, 6), QTime(0, 0, 0)) << "10001";
    QTest::newRow("saturday evening") << QDateTime(QDate(2026, 12, 12), QTime(19, 53, 21)) << "71953217";
    QTest::newRow("saturday last second") << QDateTime(QDate(2026, 12, 12), QTime(23, 59, 59)) << "72359597";
    QTest::newRow("monday") << QDateTime(QDate(2026, 12, 7), QTime(1, 15, 3)) << "211532";
    QTest::newRow("same digits, other time") << QDateTime(QDate(2026, 12, 7), QTime(11, 5, 3)) << "211532";
}

void TestRecordFiles::orderNumber()
{
    QFETCH(QDateTime, moment);
    QFETCH(QString, number);
    const QString formed = data::formatOrderNumber(moment);
    QCOMPARE(formed, number);
    QVERIFY(formed.size() >= 5 && formed.size() <= 8);
    QCOMPARE(formed.front(), formed.back());
}

QTEST_GUILESS_MAIN(TestRecordFiles)
#include "tst_record_files.moc"
