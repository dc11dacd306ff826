#include "data/supplier_list.h"
#include "order_entry/new_order_window.h"
#include "pickers/company_details_window.h"
#include "pickers/supplier_list_window.h"
#include "test_support.h"
#include "ui/message_box.h"
#include "ui/report_list_view.h"

#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QTest>

class TestSupplierList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void edits_data();
    void edits();
    void refusals_data();
    void refusals();
    void linkedListIsLeftAlone();
    void removingAsksFirst();
    void companyDetailsEdited();
};

namespace {
const char kListFile[] = "System/Leverantorer.log";

// A quoted record, one written by hand with blanks around its fields, and a last line without its
// line end.
const QByteArray kList = "Ahlsell AB,1001\r\n"
                         "\"Elektroskandia, Sverige AB\",1004\r\n"
                         "  Hand skriven ,  0110  \r\n"
                         "G\xf6teborgs F\xe4rg,1006";

enum Op { Add, Change, Remove };
} // namespace

Q_DECLARE_METATYPE(Op)

void TestSupplierList::init()
{
    testsupport::resetForms();
}

void TestSupplierList::edits_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<Op>("op");
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("add with a comma, after a line without its end")
        << kList << Add << -1 << QStringList() << "Nya Firman, Syd"
        << "2001" << kList + "\r\n\"Nya Firman, Syd\",2001\r\n";
    QTest::newRow("add with blanks at the ends, Windows-1252")
        << QByteArray("a,1\r\n") << Add << -1 << QStringList() << " Öresund "
        << "2002" << QByteArray("a,1\r\n\" \xd6resund \",2002\r\n");
    QTest::newRow("add to a missing list") << QByteArray() << Add << -1 << QStringList() << "Ny"
                                           << "1" << QByteArray("Ny,1\r\n");
    QTest::newRow("change keeps its own number")
        << kList << Change << 0 << QStringList{"Ahlsell AB", "1001"} << "Ahlsell Sverige AB"
        << "1001"
        << QByteArray("Ahlsell Sverige AB,1001\r\n"
                      "\"Elektroskandia, Sverige AB\",1004\r\n"
                      "  Hand skriven ,  0110  \r\n"
                      "G\xf6teborgs F\xe4rg,1006");
    QTest::newRow("change the last record, no line end added")
        << kList << Change << 3 << QStringList{"Göteborgs Färg", "1006"} << "Göteborg, Färg"
        << "1007"
        << QByteArray("Ahlsell AB,1001\r\n"
                      "\"Elektroskandia, Sverige AB\",1004\r\n"
                      "  Hand skriven ,  0110  \r\n"
                      "\"G\xf6teborg, F\xe4rg\",1007");
    QTest::newRow("change on a shared line keeps the comma")
        << QByteArray("a,1,b,2\r\n") << Change << 0 << QStringList{"a", "1"} << "x"
        << "9" << QByteArray("x,9,b,2\r\n");
    QTest::newRow("remove the quoted record")
        << kList << Remove << 1 << QStringList{"Elektroskandia, Sverige AB", "1004"} << ""
        << ""
        << QByteArray("Ahlsell AB,1001\r\n"
                      "  Hand skriven ,  0110  \r\n"
                      "G\xf6teborgs F\xe4rg,1006");
    QTest::newRow("remove the hand-written record") << kList << Remove << 2 << QStringList{"Hand skriven", "0110"} << ""
                                                    << ""
                                                    << QByteArray("Ahlsell AB,1001\r\n"
                                                                  "\"Elektroskandia, Sverige AB\",1004\r\n"
                                                                  "G\xf6teborgs F\xe4rg,1006");
}

void TestSupplierList::edits()
{
    QFETCH(QByteArray, before);
    QFETCH(Op, op);
    QFETCH(int, row);
    QFETCH(QStringList, expected);
    QFETCH(QString, name);
    QFETCH(QString, number);
    QFETCH(QByteArray, after);

    testsupport::AppFolder folder;
    if (!before.isNull())
        folder.write(kListFile, before);
    QString error;
    const bool ok = op == Add      ? data::addSupplier(name, number, &error)
                    : op == Change ? data::changeSupplier(row, expected, name, number, &error)
                                   : data::removeSupplier(row, expected, &error);
    QVERIFY2(ok, qPrintable(error));
    QCOMPARE(folder.read(kListFile), after);
}

void TestSupplierList::refusals_data()
{
    QTest::addColumn<Op>("op");
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("message"); // part of it

    QTest::newRow("empty name") << Add << -1 << QStringList() << "  "
                                << "3000"
                                << "Skriv leverantörens namn";
    QTest::newRow("empty number") << Add << -1 << QStringList() << "Ny"
                                  << ""
                                  << "Skriv leverantörens nummer";
    QTest::newRow("number taken") << Add << -1 << QStringList() << "Ny"
                                  << "1004"
                                  << "Numret 1004 har redan leverantören Elektroskandia, Sverige AB";
    QTest::newRow("number taken, blanks around") << Add << -1 << QStringList() << "Ny"
                                                 << " 0110"
                                                 << "har redan leverantören Hand skriven";
    QTest::newRow("quote in name") << Add << -1 << QStringList() << "Bygg \"Ett\""
                                   << "3000"
                                   << "citattecken";
    QTest::newRow("quote in number") << Add << -1 << QStringList() << "Ny"
                                     << "30\"0"
                                     << "citattecken";
    QTest::newRow("letter outside the code page") << Add << -1 << QStringList() << "Łódź Trä"
                                                  << "3000"
                                                  << "tecken som listan inte kan spara";
    QTest::newRow("change to a number taken") << Change << 0 << QStringList{"Ahlsell AB", "1001"} << "Ahlsell"
                                              << "1006"
                                              << "har redan leverantören Göteborgs Färg";
    QTest::newRow("changed elsewhere") << Change << 0 << QStringList{"Ahlsell", "1001"} << "x"
                                       << "9"
                                       << "har ändrats av något annat";
    QTest::newRow("removed elsewhere") << Remove << 4 << QStringList{"x", "9"} << ""
                                       << ""
                                       << "har ändrats av något annat";
}

void TestSupplierList::refusals()
{
    QFETCH(Op, op);
    QFETCH(int, row);
    QFETCH(QStringList, expected);
    QFETCH(QString, name);
    QFETCH(QString, number);
    QFETCH(QString, message);

    testsupport::AppFolder folder;
    folder.write(kListFile, kList);
    QString error;
    const bool ok = op == Add      ? data::addSupplier(name, number, &error)
                    : op == Change ? data::changeSupplier(row, expected, name, number, &error)
                                   : data::removeSupplier(row, expected, &error);
    QVERIFY(!ok);
    QVERIFY2(error.contains(message), qPrintable(error));
    QCOMPARE(folder.read(kListFile), kList);
}

void TestSupplierList::linkedListIsLeftAlone()
{
    // The list is read through a link, but never replaced through one: the link would become a file.
    testsupport::AppFolder folder;
    folder.write("System/Egen.log", kList);
    QVERIFY(QFile::link(folder.file("System/Egen.log"), folder.file(kListFile)));
    QString error;
    QVERIFY(!data::addSupplier("Ny", "3000", &error));
    QVERIFY2(error.contains("symbolisk länk"), qPrintable(error));
    QCOMPARE(folder.read("System/Egen.log"), kList);
    QVERIFY(QFileInfo(folder.file(kListFile)).isSymLink());
}

void TestSupplierList::removingAsksFirst()
{
    testsupport::AppFolder folder;
    // A list that ends inside a quote is not offered for editing.
    const QByteArray broken = "Ahlsell AB,1001\r\n\"Elektroskandia, Sverige AB,1004\r\n";
    folder.write(kListFile, broken);
    ui::MessageBoxScript::answerNext(ui::vbOK);
    frmLeverantorLista::open();
    QVERIFY(!frmLeverantorLista::existing());
    QVERIFY(ui::MessageBoxScript::shown().constLast().prompt.contains("slutar mitt i en post"));

    folder.write(kListFile, kList);
    frmLeverantorLista::open();
    frmLeverantorLista* window = frmLeverantorLista::existing();
    QVERIFY(window);
    QCOMPARE(window->ListView1->rowCount(), 4);
    window->ListView1->selectRow(1);
    QCOMPARE(window->txtNamn->text(), QString("Elektroskandia, Sverige AB"));

    ui::MessageBoxScript::answerNext(ui::vbNo);
    window->cmdTaBort->click();
    QCOMPARE(folder.read(kListFile), kList);
    QCOMPARE(ui::MessageBoxScript::shown().constLast().defaultAnswer, int(ui::vbNo)); // Enter keeps the supplier

    ui::MessageBoxScript::answerNext(ui::vbYes);
    window->cmdTaBort->click();
    QCOMPARE(window->ListView1->rowCount(), 3);
    QCOMPARE(folder.read(kListFile), QByteArray("Ahlsell AB,1001\r\n"
                                                "  Hand skriven ,  0110  \r\n"
                                                "G\xf6teborgs F\xe4rg,1006"));

    // A refusal says so and leaves the window and the file as they were.
    window->txtNamn->setText("Ny");
    window->txtNummer->setText("1001");
    ui::MessageBoxScript::answerNext(ui::vbOK);
    window->cmdLaggTill->click();
    const auto shown = ui::MessageBoxScript::shown();
    QCOMPARE(shown.size(), 4);
    QVERIFY2(shown.last().prompt.contains("har redan leverantören Ahlsell AB"), qPrintable(shown.last().prompt));
    QCOMPARE(window->ListView1->rowCount(), 3);

    // Broken elsewhere while the window is open, the list is not added to.
    folder.write(kListFile, broken);
    window->txtNummer->setText("3000");
    ui::MessageBoxScript::answerNext(ui::vbOK);
    window->cmdLaggTill->click();
    QCOMPARE(folder.read(kListFile), broken);

    // Another program changing the list: the window waits for it, then says so and changes nothing.
    folder.write(kListFile, kList);
    QLockFile other(folder.file(QString(kListFile) + ".lock"));
    QVERIFY(other.tryLock(0));
    ui::MessageBoxScript::answerNext(ui::vbOK);
    window->cmdLaggTill->click();
    const QString busy = ui::MessageBoxScript::shown().constLast().prompt;
    // The supplier list is no order register, and the message does not call it one.
    QVERIFY2(busy.endsWith("Leverantorer.log: filen är upptagen av ett annat program; försök igen om en stund."),
             qPrintable(busy));
    QCOMPARE(folder.read(kListFile), kList);
    QCOMPARE(ui::MessageBoxScript::unexpected(), 0);

    // Esc is "Stäng".
    QTest::keyClick(window->ListView1, Qt::Key_Escape);
    QVERIFY(!frmLeverantorLista::existing());
}

// Arkiv, Företagsuppgifter…: the details on file are shown, Spara writes them whole, Avbryt nothing.
void TestSupplierList::companyDetailsEdited()
{
    testsupport::AppFolder folder;
    folder.write("System/Foretag.log", "Firma AB\r\nGatan 1\r\n");
    frmZelOrderNew* order = frmZelOrderNew::instance();
    order->mnuForetag->trigger();
    frmForetag* window = frmForetag::existing();
    QVERIFY(window && window->isVisible());
    QCOMPARE(window->txtFalt[0]->text(), QString("Firma AB"));
    QVERIFY(window->chkExklMoms->isChecked());
    window->txtFalt[7]->setText("Lagerv\u00e4gen 3");
    window->chkExklMoms->setChecked(false);
    QTest::mouseClick(window->cmdSpara, Qt::LeftButton);
    QCOMPARE(folder.read("System/Foretag.log"),
             QByteArray("Firma AB\r\nGatan 1\r\n\r\n\r\n\r\n\r\n\r\nLagerv\xe4gen 3\r\ninkl. moms\r\n"));
    QVERIFY(!frmForetag::existing() || frmForetag::existing()->isUnloading());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    order->mnuForetag->trigger();
    frmForetag::existing()->txtFalt[0]->setText("Annan AB");
    QTest::keyClick(frmForetag::existing()->txtFalt[0], Qt::Key_Escape); // Esc is Avbryt
    QVERIFY(!frmForetag::existing() || frmForetag::existing()->isUnloading());
    QCOMPARE(folder.read("System/Foretag.log").left(10), QByteArray("Firma AB\r\n"));
}

QTEST_MAIN(TestSupplierList)
#include "tst_supplier_list.moc"
