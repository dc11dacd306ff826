#include "data/text_codec.h"
#include "language/language_loader.h"
#include "language/language_table.h"
#include "language/text_to_number.h"
#include "test_support.h"

#include <QTest>

using SlotMap = QMap<int, QString>;

namespace {
const QString kHeader = QStringLiteral("000 LANGUAGE FILE Svenska");
const QString kOldHeader = QStringLiteral("gammal rubrik");

QByteArray lngFile(const QStringList& lines)
{
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    return data::encodeWindows1252(text);
}
} // namespace

class TestLanguageLoader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void textToIndex_data();
    void textToIndex();
    void tableBounds();
    void load_data();
    void load();
};

void TestLanguageLoader::textToIndex_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("index"); // -1: rejected

    QTest::newRow("digits") << "123" << 123;
    QTest::newRow("blanks and tabs anywhere") << " 4\t2" << 42;
    QTest::newRow("plus sign") << "+5" << 5;
    QTest::newRow("negative") << "-1" << -1;
    QTest::newRow("negative with blank after sign") << "- 1" << -1;
    QTest::newRow("small negative rounds to zero") << "-.4" << 0;
    QTest::newRow("negative rounds to -1") << "-.6" << -1;
    QTest::newRow("exponent to ten million") << "1e7" << -1;
    QTest::newRow("exponent to a million") << "1e6" << 1000000;
    QTest::newRow("old double exponent") << "1d2" << 100;
    QTest::newRow("negative exponent") << "5e-1" << 0;
    QTest::newRow("exponent without digits") << "4e" << 4;
    QTest::newRow("huge exponent") << "1e999" << -1;
    QTest::newRow("tiny exponent") << "1e-999" << 0;
    QTest::newRow("half to even below") << "2.5" << 2;
    QTest::newRow("half to even above") << "3.5" << 4;
    QTest::newRow("above half") << "2.6" << 3;
    QTest::newRow("point first") << ".7" << 1;
    QTest::newRow("point before exponent") << "1.e2" << 100;
    QTest::newRow("letters give zero") << "abc" << 0;
    QTest::newRow("empty gives zero") << "" << 0;
    QTest::newRow("stops at a letter") << "1a2" << 1;
    QTest::newRow("stops at a second sign") << "1-2" << 1;
    QTest::newRow("double sign is no number") << "--1" << 0;
    QTest::newRow("highest slot") << "9999999" << 9999999;
    QTest::newRow("one past the highest slot") << "10000000" << -1;
}

void TestLanguageLoader::textToIndex()
{
    QFETCH(QString, text);
    QFETCH(int, index);

    const std::optional<int> got = language::textToIndex(text, language::LanguageTable::kSlotCount - 1);
    QCOMPARE(got.value_or(-1), index);
}

void TestLanguageLoader::tableBounds()
{
    language::LanguageTable table;
    QCOMPARE(table.text(9999999), QString());
    QVERIFY(table.setText(9999999, QStringLiteral("sist")));
    QCOMPARE(table.text(9999999), QStringLiteral("sist"));
    QVERIFY(!table.setText(10000000, QStringLiteral("för långt")));
    QVERIFY(!table.setText(-1, QStringLiteral("negativt")));
    QCOMPARE(table.text(-1), QString());
    QCOMPARE(table.writtenCount(), 1);
}

void TestLanguageLoader::load_data()
{
    QTest::addColumn<QString>("path"); // "file", "missing" or "empty"
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("selected"); // null: no language window
    QTest::addColumn<int>("result");
    QTest::addColumn<SlotMap>("slots");
    QTest::addColumn<int>("written");

    const QString file = QStringLiteral("file");
    const QString svenska = QStringLiteral("Svenska");
    const QString header = QStringLiteral("LANGUAGE FILE Svenska");

    // Every row starts from a table that holds slot 0 and slot 500 from before.
    QTest::newRow("header only") << file << lngFile({kHeader}) << svenska << 0
                                 << SlotMap{{0, header}, {100, ""}, {500, "kvar"}} << 2;
    QTest::newRow("underscore is a carriage return")
        << file << lngFile({kHeader, "100 Första_Andra", "101 _", "102 a__b"}) << svenska << 0
        << SlotMap{{100, "Första\rAndra"}, {101, "\r"}, {102, "a\r\rb"}} << 5;
    QTest::newRow("short lines have empty texts")
        << file << lngFile({kHeader, "5", "100", "101 ", "12 Namn"}) << svenska << 0
        << SlotMap{{5, ""}, {100, ""}, {101, ""}, {12, "amn"}} << 6;
    QTest::newRow("separator dropped, blanks kept")
        << file << lngFile({kHeader, "201XText", "202  två blanka  "}) << svenska << 0
        << SlotMap{{201, "Text"}, {202, " två blanka  "}} << 4;
    QTest::newRow("repeated number: last wins")
        << file << lngFile({"300 först", kHeader, "300 sist"}) << svenska << 0 << SlotMap{{300, "sist"}} << 3;
    QTest::newRow("comments and blank lines skipped")
        << file << lngFile({";000 LANGUAGE FILE English", "", "   ", kHeader, ";100 kommentar"}) << svenska << 0
        << SlotMap{{0, header}, {100, ""}} << 2;
    QTest::newRow("blank before ; replaces the header")
        << file << lngFile({kHeader, " ;kommentar"}) << svenska << 1 << SlotMap{{0, "mmentar"}} << 2;
    QTest::newRow("blank before ; with the header after it")
        << file << lngFile({" ;kommentar", kHeader}) << svenska << 0 << SlotMap{{0, header}} << 2;
    QTest::newRow("line of tabs is an entry for slot 0")
        << file << lngFile({kHeader, "\t\t"}) << svenska << 1 << SlotMap{{0, ""}} << 2;
    QTest::newRow("negative number not stored, the rest is")
        << file << lngFile({kHeader, "-12 minus", "100 kvar"}) << svenska << 1 << SlotMap{{0, header}, {100, "kvar"}}
        << 3;
    QTest::newRow("1e7 not stored, 1e6 is") << file << lngFile({kHeader, "1e7 för stort", "1e6 störst"}) << svenska << 1
                                            << SlotMap{{1000000, "störst"}} << 3;
    QTest::newRow("fractions to the even neighbour")
        << file << lngFile({kHeader, "2.5 två", "3.5 fyra"}) << svenska << 0 << SlotMap{{2, "två"}, {4, "fyra"}} << 4;
    QTest::newRow("header in other case")
        << file << lngFile({"000 LANGUAGE FILE svenska", "100 text"}) << svenska << 1 << SlotMap{{100, "text"}} << 3;
    QTest::newRow("header with trailing blank")
        << file << lngFile({kHeader + " ", "100 text"}) << svenska << 1 << SlotMap{{0, header + " "}} << 3;
    QTest::newRow("header last") << file << lngFile({"100 text", "200 mer", kHeader}) << svenska << 0
                                 << SlotMap{{0, header}, {100, "text"}, {200, "mer"}} << 4;
    QTest::newRow("no header: entries stored, load fails")
        << file << lngFile({"100 text", "200 mer"}) << svenska << 1
        << SlotMap{{0, kOldHeader}, {100, "text"}, {200, "mer"}} << 4;
    QTest::newRow("header of another language")
        << file << lngFile({kHeader}) << "English" << 1 << SlotMap{{0, header}} << 2;
    QTest::newRow("no language window") << file << lngFile({kHeader}) << QString() << 1 << SlotMap{{0, header}} << 2;
    QTest::newRow("empty file") << file << QByteArray() << svenska << 1 << SlotMap{{0, kOldHeader}} << 2;
    QTest::newRow("missing file: table unchanged")
        << "missing" << QByteArray() << svenska << 1 << SlotMap{{0, kOldHeader}, {500, "kvar"}} << 2;
    QTest::newRow("empty path: table unchanged")
        << "empty" << QByteArray() << svenska << 1 << SlotMap{{0, kOldHeader}, {500, "kvar"}} << 2;
}

void TestLanguageLoader::load()
{
    QFETCH(QString, path);
    QFETCH(QByteArray, content);
    QFETCH(QString, selected);
    QFETCH(int, result);
    QFETCH(SlotMap, slots);
    QFETCH(int, written);

    testsupport::AppFolder folder;
    const QString relative = QStringLiteral("System/Language/Svenska.lng");
    if (path == QLatin1String("file"))
        folder.write(relative, content);
    const QString fullPath = path == QLatin1String("empty") ? QString() : folder.file(relative);

    language::LanguageTable table;
    table.setText(0, kOldHeader);
    table.setText(500, QStringLiteral("kvar"));

    int asked = 0;
    const language::SelectedName name = [&]() -> std::optional<QString> {
        ++asked;
        if (selected.isNull())
            return std::nullopt;
        return selected;
    };
    QStringList errors;
    QCOMPARE(language::loadLanguageTable(fullPath, table, name, &errors), qint16(result));
    QCOMPARE(errors.isEmpty(), result == 0);
    for (auto it = slots.cbegin(); it != slots.cend(); ++it)
        QCOMPARE(table.text(it.key()), it.value());
    QCOMPARE(table.writtenCount(), written);
    // The name is asked for only once the file is read, and not at all when there is no file.
    QCOMPARE(asked, path == QLatin1String("file") ? 1 : 0);
}

QTEST_GUILESS_MAIN(TestLanguageLoader)
#include "tst_language_loader.moc"
