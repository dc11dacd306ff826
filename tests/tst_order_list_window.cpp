#include "data/order_files.h"
#include "order_entry/new_order_window.h"
#include "order_register/delivery_dialog.h"
#include "order_register/order_list_window.h"
#include "order_register/print_preview_module.h"
#include "pickers/status_picker.h"
#include "test_support.h"
#include "ui/glyph_button.h"
#include "ui/message_box.h"
#include "ui/report_list_view.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QProgressBar>
#include <QStatusBar>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QTextDocument>

namespace {
using ui::MessageBoxScript;

QStringList orderValues(const QString& number, const QString& area = QStringLiteral("08"),
                        const QString& phone = QStringLiteral("123456"))
{
    return {QStringLiteral("K") + number,
            QStringLiteral("Åsa ") + number,
            area,
            phone,
            number,
            QStringLiteral("2026-12-07"),
            QStringLiteral("ORDERMOTTAGARE"),
            QStringLiteral("1, Created not printed"),
            QStringLiteral("0111"),
            QStringLiteral("Lev ") + number};
}

// The nine value labels as the window shows them: customer number, name, telephone, then
// supplier number, order number, date, seller, status and supplier name.
QStringList shownFor(const QStringList& v)
{
    return {v[0], v[1], v[2] + "-" + v[3], v[8], v[4], v[5], v[6], v[7], v[9]};
}

void saveOrder(const QString& number, int lines, const QStringList& values = {})
{
    QString error;
    QVERIFY(data::writeOrderData(number, values.isEmpty() ? orderValues(number) : values, &error));
    for (int i = 0; i < lines; ++i)
        QVERIFY(data::appendOrderLine(number, {number + "-" + QString::number(i), "Skruv, 5 mm", "12,50", "3", "ST"},
                                      &error));
}

frmOrderLista* openWindow()
{
    frmOrderLista* window = frmOrderLista::instance();
    window->showForm();
    return window;
}

QStringList shown(frmOrderLista* w)
{
    QStringList texts;
    for (QLabel* label : w->dbKund)
        texts << label->text();
    for (QLabel* label : w->dbOrder)
        texts << label->text();
    return texts;
}

void clickEntry(frmOrderLista* w, int row)
{
    const QRect rect = w->List1->visualRect(w->List1->model()->index(row, 0));
    QTest::mouseClick(w->List1->viewport(), Qt::LeftButton, {}, rect.center());
}

QStringList listedRows(frmOrderLista* w)
{
    QStringList texts;
    for (int row = 0; row < w->List1->model()->rowCount(); ++row)
        texts << w->List1->model()->index(row, 0).data(Qt::EditRole).toString();
    return texts;
}

// A column of the register as the clerk reads it, row by row.
QStringList shownColumn(frmOrderLista* w, int column)
{
    QStringList texts;
    for (int row = 0; row < w->List1->model()->rowCount(); ++row)
        texts << w->List1->model()->index(row, column).data().toString();
    return texts;
}

void clickHeader(frmOrderLista* w, int column)
{
    QHeaderView* header = w->List1->horizontalHeader();
    const QPoint centre(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                        header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, centre);
}

template <class T> T* control(QWidget* w, const char* name)
{
    T* child = w->findChild<T*>(QString::fromLatin1(name));
    if (!child)
        qFatal("no control %s", name);
    return child;
}
} // namespace

class TestOrderListWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { testsupport::resetForms(); }
    void cleanup()
    {
        testsupport::resetForms();
        QVERIFY(ui::loadedForms().isEmpty());
    }
    void loadsList_data();
    void loadsList();
    void showsOrder_data();
    void showsOrder();
    void selectionReplacesPrevious_data();
    void selectionReplacesPrevious();
    void layoutAndFolding_data();
    void layoutAndFolding();
    void inertButtonsChangeNothing();
    void opensFromNewOrderWindow();
    void voids_data();
    void voids();
    void hugeValuesStayResponsive();
    void reopensOrder_data();
    void reopensOrder();
    void printsOrder();
    void savesStatus();
    void voidsWhileFiltered_data();
    void voidsWhileFiltered();
    void searchesOrderFiles_data();
    void searchesOrderFiles();
    void sortsAndVoids_data();
    void sortsAndVoids();
    void receivesDeliveries();
};

void TestOrderListWindow::loadsList_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("missing file") << QByteArray() << QStringList{};
    QTest::newRow("empty file") << QByteArray("") << QStringList{};
    QTest::newRow("repeated number and empty line kept in order")
        << QByteArray("211532\r\n\r\n10001\r\n211532\r\n") << QStringList{"211532", "", "10001", "211532"};
    QTest::newRow("last line without line end") << QByteArray("10001\r\n20002") << QStringList{"10001", "20002"};
}

void TestOrderListWindow::loadsList()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, entries);
    testsupport::AppFolder folder;
    if (!file.isNull())
        folder.write("Order/Lista.log", file);
    frmOrderLista* w = openWindow();
    QCOMPARE(w->entries(), entries);
    QCOMPARE(w->selectedEntry(), -1);
    QCOMPARE(shown(w), QStringList(9, QString()));
    QCOMPARE(w->ListView1->rowCount(), 0);
    QVERIFY(MessageBoxScript::shown().isEmpty());
}

void TestOrderListWindow::showsOrder_data()
{
    QTest::addColumn<QString>("area");
    QTest::addColumn<QString>("phone");
    QTest::addColumn<int>("lines");
    QTest::addColumn<QString>("telephone");
    QTest::addColumn<bool>("byKeyboard");
    QTest::newRow("both parts, with lines") << QString("08") << QString("123456") << 3 << "08-123456" << false;
    QTest::newRow("no area code, by keyboard") << QString() << QString("123456") << 1 << "-123456" << true;
    QTest::newRow("no number") << QString("0920") << QString() << 1 << "0920-" << false;
    QTest::newRow("neither, no basket file") << QString() << QString() << 0 << "-" << true;
}

void TestOrderListWindow::showsOrder()
{
    QFETCH(QString, area);
    QFETCH(QString, phone);
    QFETCH(int, lines);
    QFETCH(QString, telephone);
    QFETCH(bool, byKeyboard);
    testsupport::AppFolder folder;
    const QStringList values = orderValues("71953217", area, phone);
    saveOrder("71953217", lines, values);
    folder.write("Order/Lista.log", "71953217\r\n10001\r\n");

    frmOrderLista* w = openWindow();
    if (byKeyboard) {
        // The list has the focus but nothing selected: the first arrow key selects the first entry.
        QVERIFY(QTest::qWaitForWindowActive(w));
        QCOMPARE(QApplication::focusWidget(), w->List1);
        QTest::keyClick(w->List1, Qt::Key_Down);
    } else {
        clickEntry(w, 0);
    }
    QCOMPARE(w->selectedEntry(), 0);
    QCOMPARE(shown(w), shownFor(values));
    QCOMPARE(w->dbKund[2]->text(), telephone);
    QCOMPARE(w->ListView1->rowCount(), lines);
    if (lines > 0) {
        QCOMPARE(w->ListView1->itemText(lines - 1), QString("71953217-%1").arg(lines - 1));
        QCOMPARE(w->ListView1->subItem(0, 1), QString("Skruv, 5 mm"));
        QCOMPARE(w->ListView1->subItem(0, 2), QString("12,50"));
        QCOMPARE(w->ListView1->subItem(0, 4), QString("ST"));
    }
    QVERIFY(w->ListView1->fullRowSelect());

    // Ctrl+click does not leave the list without a selection.
    const QRect rect = w->List1->visualRect(w->List1->model()->index(0, 0));
    QTest::mouseClick(w->List1->viewport(), Qt::LeftButton, Qt::ControlModifier, rect.center());
    QCOMPARE(w->selectedEntry(), 0);
    QCOMPARE(shown(w), shownFor(values));
    QVERIFY(MessageBoxScript::shown().isEmpty());
}

void TestOrderListWindow::selectionReplacesPrevious_data()
{
    QTest::addColumn<QString>("second");
    QTest::addColumn<QByteArray>("dataFile"); // null: no data file
    QTest::addColumn<int>("lines");
    QTest::addColumn<bool>("shows");
    QTest::addColumn<QString>("messageNames");
    QTest::addColumn<QStringList>("rowSays"); // the second row's Kund and Summa in the register
    const QByteArray full = "K2\r\nBo\r\n\r\n\r\n200002\r\n2026-01-01\r\nS\r\n0\r\n\r\n\r\n";
    QTest::newRow("another order with one line") << "200002" << full << 1 << true << "" << QStringList{"K2 Bo", "1,00"};
    QTest::newRow("another order without lines") << "200002" << full << 0 << true << "" << QStringList{"K2 Bo", "0,00"};
    QTest::newRow("data file missing") << "200002" << QByteArray() << 1 << false << "200002"
                                       << QStringList{"Orderfilen saknas", "1,00"};
    QTest::newRow("data file of nine lines")
        << "200002" << full.left(full.lastIndexOf("\r\n", full.size() - 3) + 2) << 0 << false << "200002"
        << QStringList{"Orderfilen är ofullständig: 9 rader av 10", ""};
    QTest::newRow("entry with a path") << "../200002" << full << 0 << false << "../200002"
                                       << QStringList{"Inget ordernummer", ""};
    QTest::newRow("empty entry") << "" << QByteArray() << 0 << false << "tom"
                                 << QStringList{"Tom rad i orderlistan", ""};
}

void TestOrderListWindow::selectionReplacesPrevious()
{
    QFETCH(QString, second);
    QFETCH(QByteArray, dataFile);
    QFETCH(int, lines);
    QFETCH(bool, shows);
    QFETCH(QString, messageNames);
    QFETCH(QStringList, rowSays);
    testsupport::AppFolder folder;
    saveOrder("100001", 4);
    if (!dataFile.isNull())
        folder.write("Order/" + second + ".OrderData.log", dataFile);
    QString error;
    for (int i = 0; i < lines; ++i)
        QVERIFY(data::appendOrderLine(second, {"X", "Y", "1", "1", "KG"}, &error));
    folder.write("Order/Lista.log", "100001\r\n" + second.toLatin1() + "\r\n");

    frmOrderLista* w = openWindow();
    QCOMPARE(listedRows(w), QStringList({"100001", second}));
    QTRY_COMPARE(shownColumn(w, 2), QStringList({"K100001 Åsa 100001", rowSays.at(0)}));
    QCOMPARE(shownColumn(w, 5), QStringList({"150,00", rowSays.at(1)}));
    clickEntry(w, 0);
    QCOMPARE(w->ListView1->rowCount(), 4);
    QTest::keyClick(w->List1, Qt::Key_Down);
    QCOMPARE(w->selectedEntry(), 1);
    if (shows)
        QCOMPARE(shown(w), QStringList({"K2", "Bo", "-", "", "200002", "2026-01-01", "S", "0", ""}));
    else
        QCOMPARE(shown(w), QStringList(9, QString()));
    QCOMPARE(w->ListView1->rowCount(), shows ? lines : 0);
    QCOMPARE(w->entries().size(), 2);
    const auto messages = MessageBoxScript::shown();
    QCOMPARE(messages.size(), messageNames.isEmpty() ? 0 : 1);
    if (!messages.isEmpty())
        QVERIFY2(messages.first().prompt.contains(messageNames), qPrintable(messages.first().prompt));
}

void TestOrderListWindow::layoutAndFolding_data()
{
    QTest::addColumn<int>("clicks");
    QTest::addColumn<int>("height");
    QTest::addColumn<QString>("visibleGlyph");
    QTest::newRow("as loaded") << 0 << 5175 << "6";
    QTest::newRow("folded out") << 1 << 7365 << "5";
    QTest::newRow("folded out and in") << 2 << 5175 << "6";
    QTest::newRow("out, in, out") << 3 << 7365 << "5";
}

void TestOrderListWindow::layoutAndFolding()
{
    QFETCH(int, clicks);
    QFETCH(int, height);
    QFETCH(QString, visibleGlyph);
    testsupport::AppFolder folder;
    saveOrder("100001", 2);
    folder.write("Order/Lista.log", "100001\r\n");
    frmOrderLista* w = openWindow();
    QCOMPARE(w->windowTitle(), QString("Orderlista"));
    const int top = w->y();
    const int width = w->width();
    for (int i = 0; i < clicks; ++i)
        QTest::mouseClick(i % 2 == 0 ? w->Command1 : w->Command2, Qt::LeftButton);
    clickEntry(w, 0); // selecting never changes the height
    QCOMPARE(w->outerHeightTwips(), height);
    QCOMPARE(w->y(), top);
    QCOMPARE(w->width(), width);
    QCOMPARE(w->Command1->isVisible(), visibleGlyph == "6");
    QCOMPARE(w->Command2->isVisible(), visibleGlyph == "5");
    QCOMPARE(w->Command1->geometry(), w->Command2->geometry());
    QCOMPARE(w->Command1->caption(), QString("6"));
    QCOMPARE(w->Command2->caption(), QString("5"));

    // Vertical layout in twips; the status bar always lies along the bottom edge.
    const struct
    {
        const char* name;
        int top, height;
    } rows[] = {{"Label1", 120, 255},    {"chkEjLevererade", 90, 270}, {"List1", 360, 1230},     {"Frame1", 1680, 2055},
                {"Command4", 3840, 375}, {"Command6", 3840, 375},      {"ListView1", 4320, 2055}};
    for (const auto& row : rows) {
        QWidget* child = control<QWidget>(w, row.name);
        QCOMPARE(child->y() * 15, row.top);
        QCOMPARE(child->height() * 15, row.height);
    }
    auto* bar = control<QStatusBar>(w, "StatusBar1");
    QCOMPARE((bar->y() + bar->height()) * 15, height - 480);
    // Folded in, nothing of the line list shows above the status bar.
    QCOMPARE(bar->y() <= w->ListView1->y(), height == 5175);

    const QStringList captions{"Ordernummer", "Kund nr",    "Namn",    "Telefon", "Leverantör",
                               "Order nr",    "Orderdatum", "Säljare", "Status"};
    const char* names[] = {"Label1",          "lblKundData(0)",  "lblKundData(1)",  "lblKundData(2)", "lblOrderData(0)",
                           "lblOrderData(1)", "lblOrderData(2)", "lblOrderData(3)", "lblOrderData(4)"};
    for (int i = 0; i < captions.size(); ++i)
        QCOMPARE(control<QLabel>(w, names[i])->text(), captions.at(i));
    QCOMPARE(control<QLabel>(w, "dbOrder(5)")->palette().color(QPalette::WindowText), QColor(192, 0, 0));
    for (int i = 1; i <= 5; ++i)
        QCOMPARE(w->ListView1->columnHeaderText(i),
                 QStringList({"Artikelnr", "Benämning", "á-pris", "Antal", "Enhet"}).at(i - 1));
}

void TestOrderListWindow::inertButtonsChangeNothing()
{
    testsupport::AppFolder folder;
    saveOrder("100001", 2);
    folder.write("Order/Lista.log", "100001\r\n");
    frmOrderLista* w = openWindow();
    clickEntry(w, 0);
    const QStringList before = shown(w);
    // "Leverera" has no behaviour; the status "Spara" has nothing to save before a status is picked.
    for (const char* name : {"Command5", "Command9"}) {
        auto* button = control<QPushButton>(w, name);
        QVERIFY(button->isVisible() && button->isEnabled());
        QTest::mouseClick(button, Qt::LeftButton);
    }
    QCOMPARE(control<QPushButton>(w, "Command3")->text(), QString("Ä&ndra"));
    QCOMPARE(control<QPushButton>(w, "Command9")->text(), QString("S&para"));
    QCOMPARE(shown(w), before);
    QCOMPARE(w->ListView1->rowCount(), 2);
    QCOMPARE(w->outerHeightTwips(), 5175);
    QVERIFY(MessageBoxScript::shown().isEmpty());
    QVERIFY(folder.exists("Order/100001.OrderData.log") && folder.exists("Order/100001.OrderBasket.log"));
    QCOMPARE(folder.read("Order/Lista.log"), QByteArray("100001\r\n"));
}

void TestOrderListWindow::opensFromNewOrderWindow()
{
    testsupport::AppFolder folder;
    saveOrder("100001", 0);
    folder.write("Order/Lista.log", "300003\r\n100001\r\n100001\r\n");
    frmZelOrderNew* main = frmZelOrderNew::instance();
    main->showForm();
    QVERIFY(QTest::qWaitForWindowActive(main));
    QTest::keyClick(main, Qt::Key_O, Qt::ControlModifier);
    frmOrderLista* w = frmOrderLista::existing();
    QVERIFY(w && w->isVisible());
    QVERIFY(!w->isModal() && QApplication::activeModalWidget() == nullptr);
    QCOMPARE(w->entries(), QStringList({"300003", "100001", "100001"}));

    clickEntry(w, 2);

    // Another program voids the first entry and lists an order: it shows within a moment, the
    // chosen entry (the second 100001) still chosen. A second opening brings the same window forward.
    folder.write("Order/Lista.log", "100001\r\n100001\r\n200002\r\n");
    main->mnuOppna->trigger();
    QCOMPARE(frmOrderLista::existing(), w);
    QTRY_COMPARE(w->entries(), QStringList({"100001", "100001", "200002"}));
    QCOMPARE(shownColumn(w, 2), QStringList({"K100001 Åsa 100001", "K100001 Åsa 100001", "Orderfilen saknas"}));
    QCOMPARE(w->selectedEntry(), 1);
    // It rewrites the chosen order's data file in place, which changes nothing in the folder itself.
    folder.write("Order/100001.OrderData.log",
                 "K7\r\n\xd6rjan\r\n\r\n\r\n100001\r\n2026-12-08\r\nS\r\n2, Skickad\r\n0111\r\nLev\r\n");
    QTRY_COMPARE(shownColumn(w, 2), QStringList({"K7 Örjan", "K7 Örjan", "Orderfilen saknas"}));
    QCOMPARE(shownColumn(w, 4), QStringList({"2, Skickad", "2, Skickad", ""}));
    QCOMPARE(w->dbKund[1]->text(), QString("Örjan"));
    QCOMPARE(w->selectedEntry(), 1);

    QTest::mouseClick(w->Command6, Qt::LeftButton);
    QTRY_VERIFY(frmOrderLista::existing() == nullptr);
    main->mnuOppna->trigger();
    w = frmOrderLista::existing();
    QVERIFY(w);
    QCOMPARE(w->entries(), QStringList({"100001", "100001", "200002"}));
    QCOMPARE(w->outerHeightTwips(), 5175);
    w->close(); // the close box
    QTRY_VERIFY(frmOrderLista::existing() == nullptr);
    QVERIFY(main->isVisible());

    // Esc in the list is "Stäng" too.
    main->mnuOppna->trigger();
    QTest::keyClick(frmOrderLista::existing()->List1, Qt::Key_Escape);
    QVERIFY(!frmOrderLista::existing());
    QVERIFY(main->isVisible());
}

void TestOrderListWindow::voids_data()
{
    QTest::addColumn<QByteArray>("list");
    QTest::addColumn<int>("select");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("readOnly");
    QTest::addColumn<bool>("saveWhileOpen");
    QTest::addColumn<QByteArray>("listAfter"); // the list file afterwards, before any save
    QTest::addColumn<bool>("voided");
    QTest::addColumn<int>("messages");
    const QByteArray two = "100001\r\n200002\r\n100001\r\n";
    QTest::newRow("only entry") << QByteArray("100001\r\n") << 0 << int(ui::vbYes) << "" << false << QByteArray("")
                                << true << 1;
    QTest::newRow("second of two equal") << two << 2 << int(ui::vbYes) << "" << false
                                         << QByteArray("100001\r\n200002\r\n") << true << 1;
    QTest::newRow("first of two equal") << two << 0 << int(ui::vbYes) << "" << false
                                        << QByteArray("200002\r\n100001\r\n") << true << 1;
    QTest::newRow("without basket file") << two << 1 << int(ui::vbYes) << "" << false
                                         << QByteArray("100001\r\n100001\r\n") << true << 1;
    QTest::newRow("read-only data file") << two << 0 << int(ui::vbYes) << "OrderData" << false << two << false << 2;
    QTest::newRow("read-only basket file") << two << 0 << int(ui::vbYes) << "OrderBasket" << false << two << false << 2;
    QTest::newRow("order saved while open")
        << two << 2 << int(ui::vbYes) << "" << true << QByteArray("100001\r\n200002\r\n") << true << 2;
    QTest::newRow("answered Nej") << two << 0 << int(ui::vbNo) << "" << false << two << false << 1;
    QTest::newRow("nothing selected") << two << -1 << 0 << "" << false << two << false << 0;
    QTest::newRow("entry with a path") << QByteArray("../100001\r\n200002\r\n") << 0 << int(ui::vbYes) << "" << false
                                       << QByteArray("200002\r\n") << true << 2;
}

void TestOrderListWindow::voids()
{
    QFETCH(QByteArray, list);
    QFETCH(int, select);
    QFETCH(int, answer);
    QFETCH(QString, readOnly);
    QFETCH(bool, saveWhileOpen);
    QFETCH(QByteArray, listAfter);
    QFETCH(bool, voided);
    QFETCH(int, messages);
    testsupport::AppFolder folder;
    saveOrder("100001", 2);
    saveOrder("200002", 0);
    folder.write("100001.OrderData.log", "outside the order folder\r\n");
    folder.write("Order/Lista.log", list);
    if (!readOnly.isEmpty())
        QVERIFY(QFile::setPermissions(folder.file("Order/100001." + readOnly + ".log"), QFile::ReadOwner));

    frmOrderLista* w = openWindow();
    QTest::mouseClick(w->Command1, Qt::LeftButton);
    QStringList entries = w->entries();
    QString savedNumber;
    if (saveWhileOpen) {
        frmZelOrderNew* main = frmZelOrderNew::instance();
        MessageBoxScript::answerNext(ui::vbOK);
        QTest::mouseClick(main->Command6, Qt::LeftButton);
        savedNumber = main->dbOrderNr->text();
        // Saved in this program, it shows in the open register at once.
        QCoreApplication::processEvents();
        entries.append(savedNumber);
        QCOMPARE(w->entries(), entries);
    }
    const QString number = select >= 0 ? entries.at(select) : QString();
    if (number.contains('/'))
        MessageBoxScript::answerNext(ui::vbOK); // the notice that the entry names no order
    if (select >= 0)
        clickEntry(w, select);
    const QStringList before = shown(w);
    if (answer)
        MessageBoxScript::answerNext(answer);
    MessageBoxScript::answerNext(ui::vbOK);
    QTest::mouseClick(w->Command4, Qt::LeftButton);

    const auto boxes = MessageBoxScript::shown();
    QCOMPARE(boxes.size(), messages);
    const auto question = std::find_if(boxes.begin(), boxes.end(), [](const auto& box) { return box.style == 292; });
    QCOMPARE(question != boxes.end(), answer != 0);
    if (answer) {
        QCOMPARE(question->defaultAnswer, int(ui::vbNo)); // Enter does not void
        QCOMPARE(question->title, QString("Makulera betällning"));
        QCOMPARE(question->prompt.split("\r\n"),
                 QStringList({"Vill du makulera markerad beställning?", "",
                              "Följande information kommer att raderas:", "", "- Kundinformation", "- Orderinformation",
                              "- Beställningsunderlag", "", "VARNING! Denna aktivitet går ej att ångra!"}));
    }
    QCOMPARE(MessageBoxScript::unexpected(), 0);
    QCOMPARE(folder.read("Order/Lista.log"),
             listAfter + (saveWhileOpen ? (savedNumber + "\r\n").toLatin1() : QByteArray()));
    QVERIFY(folder.exists("100001.OrderData.log"));
    for (const QString order : {"100001", "200002"})
        QCOMPARE(folder.exists("Order/" + order + ".OrderData.log"), !voided || number != order);
    QCOMPARE(folder.exists("Order/100001.OrderBasket.log"), !voided || number != "100001");
    if (voided) {
        entries.removeAt(select);
        QCOMPARE(shown(w), QStringList(9, QString()));
        QCOMPARE(w->ListView1->rowCount(), 0);
        QCOMPARE(w->selectedEntry(), -1);
    } else {
        QCOMPARE(shown(w), before);
        QCOMPARE(w->selectedEntry(), select);
    }
    QCOMPARE(w->entries(), entries);
    QCOMPARE(w->outerHeightTwips(), 7365);
}

void TestOrderListWindow::hugeValuesStayResponsive()
{
    testsupport::AppFolder folder;
    const QByteArray huge(50 * 1000 * 1000, 'x');
    QByteArray data = "K1\r\n" + huge + "\r\n";
    for (const char* line : {"08", "1", "100001", "2026-12-07", "S", "1, Created not printed", "0111", "Lev"})
        data += QByteArray(line) + "\r\n";
    folder.write("Order/100001.OrderData.log", data);
    folder.write("Order/Lista.log", "100001\r\n" + huge);

    QElapsedTimer clock;
    clock.start();
    frmOrderLista* w = openWindow();
    QCOMPARE(w->entries().at(1).size(), 50000000);
    QCOMPARE(w->List1->model()->index(1, 0).data().toString().size(), 1000);
    clickEntry(w, 0);
    QCOMPARE(w->dbKund[1]->text().size(), 1000);
    w->grab();

    MessageBoxScript::answerNext(ui::vbOK);
    clickEntry(w, 1);
    QCOMPARE(MessageBoxScript::shown().size(), 1);
    QVERIFY(MessageBoxScript::shown().first().prompt.size() < 200);
    // Reading 100 MB takes seconds here; laying it out in the controls took minutes.
    QVERIFY2(clock.elapsed() < 30000, qPrintable(QString::number(clock.elapsed())));
}

void TestOrderListWindow::reopensOrder_data()
{
    QTest::addColumn<QString>("line5");   // what the data file of entry 100001 says its number is
    QTest::addColumn<QString>("note");    // in the order window's status bar
    QTest::addColumn<QString>("opening"); // "Ändra", Enter or a double-click on the row
    QTest::newRow("its own number") << "100001"
                                    << ""
                                    << "Ändra";
    // A data file copied or restored from another order names that order: it is never written.
    QTest::newRow("another order's number")
        << "200002"
        << "Orderfilen angav ordernummer \"200002\"; ordern visas och sparas som 100001."
        << "Enter";
    QTest::newRow("a path")
        << "../../outside/evil"
        << "Orderfilen angav ordernummer \"../../outside/evil\"; ordern visas och sparas som 100001."
        << "double-click";
}

void TestOrderListWindow::reopensOrder()
{
    QFETCH(QString, line5);
    QFETCH(QString, note);
    QFETCH(QString, opening);
    testsupport::AppFolder folder;
    QStringList values = orderValues("100001");
    values[4] = line5;
    values[7] = "4, Delvis levererad";
    saveOrder("100001", 2, values);
    saveOrder("200002", 1);
    folder.write("Order/Lista.log", "100001\r\n200002\r\n");
    const QByteArray other = folder.read("Order/200002.OrderData.log");
    frmOrderLista* w = openWindow();
    clickEntry(w, 0);
    QCOMPARE(w->dbOrder[1]->text(), QString("100001"));
    if (opening == "Enter")
        QTest::keyClick(w->List1, Qt::Key_Return);
    else if (opening == "double-click") {
        // As the system sends it: a click, then the second press as a double-click, then its release.
        const QPoint at = w->List1->visualRect(w->List1->model()->index(0, 3)).center();
        QTest::mouseClick(w->List1->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(w->List1->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(w->List1->viewport(), Qt::LeftButton, {}, at);
    } else
        QTest::mouseClick(w->Command3, Qt::LeftButton);

    frmZelOrderNew* main = frmZelOrderNew::existing();
    QVERIFY(main && main->isVisible());
    QCOMPARE(main->dbOrderNr->text(), QString("100001"));
    QCOMPARE(main->StatusBar1->currentMessage(), note);
    QCOMPARE(main->Text2->text(), QString("Åsa 100001"));
    QCOMPARE(main->txtLevNr->text(), QString("0111"));
    QCOMPARE(main->dbLevName->text(), QString("Lev 100001"));
    QCOMPARE(main->ListView1->rowCount(), 2);
    QVERIFY(!main->hasUnsavedChanges());
    main->Text2->setText("Åsa Berg");
    MessageBoxScript::answerNext(ui::vbOK);
    QTest::mouseClick(main->Command6, Qt::LeftButton);
    QCOMPARE(MessageBoxScript::shown().size(), 1);
    // Saved under its list entry, with the status it had, listed once; the other order untouched.
    QCOMPARE(folder.read("Order/Lista.log"), QByteArray("100001\r\n200002\r\n"));
    QCOMPARE(folder.read("Order/100001.OrderData.log"),
             QByteArray("K100001\r\n\xc5sa Berg\r\n08\r\n123456\r\n100001\r\n2026-12-07\r\nORDERMOTTAGARE\r\n"
                        "4, Delvis levererad\r\n0111\r\nLev 100001\r\n"));
    QCOMPARE(folder.read("Order/200002.OrderData.log"), other);
    QCOMPARE(folder.read("Order/200002.OrderBasket.log"),
             QByteArray("\"200002-0\",\"Skruv, 5 mm\",\"12,50\",\"3\",\"ST\"\r\n"));
    // The register shows the change at once, and the shown order with it.
    QCoreApplication::processEvents();
    QCOMPARE(shownColumn(w, 2).first(), QString("K100001 Åsa Berg"));
    QCOMPARE(w->dbKund[1]->text(), QString("Åsa Berg"));
    QVERIFY(!QDir(folder.path() + "/../outside").exists());

    // The order the window holds is not voided under it.
    clickEntry(w, 0);
    MessageBoxScript::answerNext(ui::vbOK);
    QTest::mouseClick(w->Command4, Qt::LeftButton);
    QCOMPARE(MessageBoxScript::shown().size(), 2);
    QCOMPARE(MessageBoxScript::shown().last().prompt,
             QString("Ordern 100001 är öppen i orderfönstret och kan inte makuleras nu.\r\n\r\nBörja en annan order "
                     "med Ny order, eller avsluta programmet, och makulera den sedan."));
    QCOMPARE(w->entries(), QStringList({"100001", "200002"}));
    QVERIFY(folder.exists("Order/100001.OrderData.log") && folder.exists("Order/100001.OrderBasket.log"));

    // The next new order is a new one: saved, it is listed, with the status of a first save.
    main->mnuNy->trigger();
    const QString next = main->dbOrderNr->text();
    QVERIFY(next != "100001");
    MessageBoxScript::answerNext(ui::vbOK);
    QTest::mouseClick(main->Command6, Qt::LeftButton);
    QCOMPARE(folder.read("Order/Lista.log"), "100001\r\n200002\r\n" + next.toLatin1() + "\r\n");
    QCoreApplication::processEvents();
    QCOMPARE(listedRows(w), QStringList({"100001", "200002", next}));
    QCOMPARE(shownColumn(w, 4).last(), QString("1, Created not printed"));
    QCOMPARE(shownColumn(w, 5).last(), QString("0,00"));
    QCOMPARE(folder.read("Order/" + next + ".OrderData.log"),
             "\r\n\r\n\r\n\r\n" + next.toLatin1() + "\r\n" + QDate::currentDate().toString("yyyy-MM-dd").toLatin1() +
                 "\r\nORDERMOTTAGARE\r\n1, Created not printed\r\n\r\n\r\n");
}

void TestOrderListWindow::printsOrder()
{
    // The preview comes from a module loaded on first use; one that is missing is named.
    QString error;
    QVERIFY(!loadPrintPreview("libzel2007_missing.so", &error));
    QVERIFY2(error.contains("libzel2007_missing.so: cannot open shared object file"), qPrintable(error));
    testsupport::AppFolder folder;
    saveOrder("100001", 2); // two lines of 12,50 × 3
    folder.write("Order/Lista.log", "100001\r\n");
    frmOrderLista* w = openWindow();
    clickEntry(w, 0);
    QCOMPARE(w->StatusBar1->findChild<QLabel*>("Panel1")->text(), QString("Summa: 75,00"));
    QTest::mouseClick(w->Command7, Qt::LeftButton);
    auto* preview = w->findChild<QPrintPreviewDialog*>("printPreview");
    QVERIFY(preview && preview->isVisible());
    const QStringList pages = testsupport::printedPages(preview);
    QCOMPARE(pages.size(), 1);
    for (const char* part :
         {"Inköpsorder", "Ordernr: 100001", "Sida 1 av 1", "Gäller kund: K100001 Åsa 100001",
          "Vår referens: ORDERMOTTAGARE", "Lev 100001", "100001-1", "12,50", "37,50", "Summa exkl. moms: 75,00"})
        QVERIFY2(pages.at(0).contains(QString::fromUtf8(part)), part);
    // Only looked at, the order is not printed and keeps its status.
    preview->close();
    QTRY_VERIFY(!w->findChild<QPrintPreviewDialog*>());

    // Many lines: every page carries the order number, its page of how many and the column headings;
    // the buyer's details and the total are printed once, in full.
    folder.write("System/Foretag.log", "J\xe4rn & Tr\xe4 AB\r\nBox 12\r\n123 45 \xd6rebro\r\n556677-8899\r\n"
                                       "SE556677889901\r\n019-123456\r\ninkop@jarntra.se\r\n\r\nexkl. moms\r\n");
    saveOrder("200002", 120);
    folder.write("Order/Lista.log", "100001\r\n200002\r\n");
    w->unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    w = openWindow();
    clickEntry(w, 1);
    QTest::mouseClick(w->Command7, Qt::LeftButton);
    preview = w->findChild<QPrintPreviewDialog*>("printPreview");
    QVERIFY(preview);
    const QStringList many = testsupport::printedPages(preview);
    QCOMPARE(many.size(), 3);
    for (const char* part : {"Järn & Trä AB", "Org.nr 556677-8899", "Momsreg.nr SE556677889901",
                             "Leveransadress: Box 12, 123 45 Örebro", "200002-0"})
        QVERIFY2(many.at(0).contains(QString::fromUtf8(part)), part);
    for (const char* part : {"Ordernr: 200002", "Sida 2 av 3", "Artikelnr", "Benämning", "À-pris", "Belopp"})
        QVERIFY2(many.at(1).contains(QString::fromUtf8(part)), part);
    QVERIFY(many.at(2).contains("Sida 3 av 3") && many.at(2).contains("200002-119"));
    QVERIFY(many.at(2).contains("Summa exkl. moms: 4 500,00") && !many.at(1).contains("Summa"));
    preview->close();
    QTRY_VERIFY(!w->findChild<QPrintPreviewDialog*>());
    clickEntry(w, 0);
    QTRY_VERIFY(!w->findChild<QPrintPreviewDialog*>());

    // Ctrl+P is "Utskrift".
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    QTest::keyClick(w->List1, Qt::Key_P, Qt::ControlModifier);
    preview = w->findChild<QPrintPreviewDialog*>("printPreview");
    QVERIFY(preview && preview->isVisible());
    QVERIFY(testsupport::printedPages(preview).join("").contains("Lev 100001"));
    QCOMPARE(folder.read("Order/100001.OrderData.log").split('\n').at(7), QByteArray("1, Created not printed\r"));
    // Printed (or saved as PDF), it moves on to "Utskriven".
    folder.write("System/Orderstatus.log", "1,Skapad\r\n2,Utskriven\r\n");
    preview->accept();
    QCOMPARE(folder.read("Order/100001.OrderData.log").split('\n').at(7), QByteArray("2, Utskriven\r"));
    QTRY_COMPARE(w->dbOrder[4]->text(), QString("2, Utskriven"));
}

void TestOrderListWindow::savesStatus()
{
    testsupport::AppFolder folder;
    folder.write("System/Orderstatus.log", "0,Ny\r\n3,Skickad\r\n");
    saveOrder("100001", 0);
    saveOrder("200002", 0);
    folder.write("Order/Lista.log", "100001\r\n200002\r\n");
    const QByteArray before = folder.read("Order/100001.OrderData.log");
    frmOrderLista* w = openWindow();
    clickEntry(w, 0);
    QTest::mouseClick(w->Command8, Qt::LeftButton);
    frmOrderStatus* picker = frmOrderStatus::existing();
    QVERIFY(picker && picker->isVisible());
    picker->ListView1->selectRow(1);
    MessageBoxScript::answerNext(ui::vbYes);
    QTest::mouseClick(picker->Command1, Qt::LeftButton);
    QCOMPARE(folder.read("Order/100001.OrderData.log"), before);
    QTest::mouseClick(w->Command9, Qt::LeftButton);

    QByteArray after = before;
    after.replace("1, Created not printed", "3, Skickad");
    QCOMPARE(folder.read("Order/100001.OrderData.log"), after);
    QCOMPARE(w->dbOrder[4]->text(), QString("3, Skickad"));
    QVERIFY(!frmZelOrderNew::existing()); // the choice went to the window that asked for it

    // A status picked and left unsaved stays with its order: another order selected saves nothing.
    QTest::mouseClick(w->Command8, Qt::LeftButton);
    frmOrderStatus::existing()->ListView1->selectRow(0);
    MessageBoxScript::answerNext(ui::vbYes);
    QTest::mouseClick(frmOrderStatus::existing()->Command1, Qt::LeftButton);
    clickEntry(w, 1);
    QCOMPARE(w->dbOrder[4]->text(), QString("1, Created not printed"));
    const QByteArray other = folder.read("Order/200002.OrderData.log");
    QTest::mouseClick(w->Command9, Qt::LeftButton);
    QCOMPARE(folder.read("Order/200002.OrderData.log"), other);
    QCOMPARE(folder.read("Order/100001.OrderData.log"), after);
}

void TestOrderListWindow::voidsWhileFiltered_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<int>("select"); // a row of the filtered list
    QTest::addColumn<int>("entry");
    QTest::addColumn<QByteArray>("listAfter");
    QTest::addColumn<QStringList>("listedAfter");
    QTest::addColumn<bool>("searching");  // the order files are still being searched when the order is voided
    QTest::addColumn<int>("selectAfter"); // a row clicked afterwards, the entry and customer it shows
    QTest::addColumn<int>("entryAfter");
    QTest::addColumn<QString>("customerAfter");
    QTest::newRow("second of two equal") << "1000" << QStringList{"100001", "100001"} << 1 << 2
                                         << QByteArray("100001\r\n200002\r\n300003\r\n") << QStringList{"100001"}
                                         << false << -1 << -1 << "";
    QTest::newRow("first of two equal") << "0001" << QStringList{"100001", "100001"} << 0 << 0
                                        << QByteArray("200002\r\n100001\r\n300003\r\n") << QStringList{"100001"}
                                        << false << -1 << -1 << "";
    QTest::newRow("last entry") << "300" << QStringList{"300003"} << 0 << 3
                                << QByteArray("100001\r\n200002\r\n100001\r\n") << QStringList{} << false << -1 << -1
                                << "";
    QTest::newRow("rows after the voided one move up")
        << "0" << QStringList{"100001", "200002", "100001", "300003"} << 0 << 0
        << QByteArray("200002\r\n100001\r\n300003\r\n") << QStringList{"200002", "100001", "300003"} << false << 0 << 0
        << "K200002";
    QTest::newRow("search running, restarted on the shorter list")
        << "1000" << QStringList{"100001", "100001"} << 0 << 0 << QByteArray("200002\r\n100001\r\n300003\r\n")
        << QStringList{"100001"} << true << -1 << -1 << "";
}

void TestOrderListWindow::voidsWhileFiltered()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, listed);
    QFETCH(int, select);
    QFETCH(int, entry);
    QFETCH(QByteArray, listAfter);
    QFETCH(QStringList, listedAfter);
    QFETCH(bool, searching);
    QFETCH(int, selectAfter);
    QFETCH(int, entryAfter);
    QFETCH(QString, customerAfter);
    testsupport::AppFolder folder;
    saveOrder("100001", 2);
    saveOrder("200002", 0);
    saveOrder("300003", 0);
    folder.write("Order/Lista.log", "100001\r\n200002\r\n100001\r\n300003\r\n");

    frmOrderLista* w = openWindow();
    testsupport::typeText(w->txtSok, typed);
    QCOMPARE(listedRows(w), listed);
    clickEntry(w, select);
    QCOMPARE(w->selectedEntry(), entry);
    QCOMPARE(w->dbKund[0]->text(), "K" + listed.at(select));
    if (searching)
        QTest::keyClick(w->txtSok, Qt::Key_Return);
    MessageBoxScript::answerNext(ui::vbYes);
    QTest::mouseClick(w->Command4, Qt::LeftButton);
    QCOMPARE(MessageBoxScript::unexpected(), 0);
    QCOMPARE(folder.read("Order/Lista.log"), listAfter);
    if (searching)
        QTRY_VERIFY(w->prgSok->isHidden());
    QCOMPARE(listedRows(w), listedAfter);
    QCOMPARE(w->selectedEntry(), -1);
    QCOMPARE(w->entries().join(","), QString::fromLatin1(listAfter).replace("\r\n", ",").chopped(1));
    if (selectAfter >= 0) {
        clickEntry(w, selectAfter);
        QCOMPARE(w->selectedEntry(), entryAfter);
        QCOMPARE(w->dbKund[0]->text(), customerAfter);
    }

    QTest::keyClick(w->txtSok, Qt::Key_Escape);
    QCOMPARE(w->txtSok->text(), QString());
    QCOMPARE(listedRows(w), w->entries());
}

void TestOrderListWindow::searchesOrderFiles_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("enter");
    QTest::addColumn<bool>("undelivered"); // "Endast ej levererade" ticked first
    QTest::addColumn<QStringList>("found");
    QTest::addColumn<int>("select"); // a row of the found ones, its entry and the name it shows
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("name");
    QTest::newRow("name after a pause") << "åsa 2000" << false << false << QStringList{"200002"} << 0 << 1
                                        << "Åsa 200002";
    QTest::newRow("name in upper case, Enter")
        << "ÅSA 1000" << true << false << QStringList{"100001", "100001"} << 1 << 2 << "Åsa 100001";
    QTest::newRow("telephone, Enter") << "08-123" << true << false << QStringList{"100001", "200002", "100001"} << 2
                                      << 2 << "Åsa 100001";
    QTest::newRow("a is not å") << "asa 1" << true << false << QStringList{} << -1 << -1 << "";
    QTest::newRow("status text") << "DELVIS" << true << false << QStringList{"100001", "100001"} << 0 << 0
                                 << "Åsa 100001";
    // 200002 is at status 10, above Levererad; 300003 has no status to say it arrived.
    QTest::newRow("undelivered only") << "" << false << true << QStringList{"100001", "100001", "300003"} << 1 << 2
                                      << "Åsa 100001";
    QTest::newRow("undelivered among those found")
        << "08-123" << true << true << QStringList{"100001", "100001"} << 0 << 0 << "Åsa 100001";
    QTest::newRow("only a delivered one found") << "åsa 2000" << true << true << QStringList{} << -1 << -1 << "";
}

void TestOrderListWindow::searchesOrderFiles()
{
    QFETCH(QString, typed);
    QFETCH(bool, enter);
    QFETCH(bool, undelivered);
    QFETCH(QStringList, found);
    QFETCH(int, select);
    QFETCH(int, entry);
    QFETCH(QString, name);
    testsupport::AppFolder folder;
    QStringList values = orderValues("100001");
    values[7] = "4, Delvis levererad";
    saveOrder("100001", 1, values);
    values = orderValues("200002");
    values[7] = "10, Arkiverad";
    saveOrder("200002", 0, values);
    // 300003 has no data file and is found by its number only.
    folder.write("Order/Lista.log", "100001\r\n200002\r\n100001\r\n300003\r\n");

    frmOrderLista* w = openWindow();
    QCOMPARE(w->chkEjLevererade->text(), QString("&Endast ej levererade"));
    if (undelivered) {
        QTest::mouseClick(w->chkEjLevererade, Qt::LeftButton);
        QTRY_VERIFY(w->prgSok->isHidden()); // every order read
    }
    testsupport::typeText(w->txtSok, typed);
    if (!typed.isEmpty())
        QCOMPARE(listedRows(w), QStringList{}); // by number alone nothing matches
    if (enter)
        QTest::keyClick(w->txtSok, Qt::Key_Return);
    QTRY_COMPARE(listedRows(w), found);
    QTRY_VERIFY(w->prgSok->isHidden());
    if (!typed.isEmpty())
        QCOMPARE(w->prgSok->format(), QString("Söker… 4 av 4"));
    if (select >= 0)
        clickEntry(w, select);
    QCOMPARE(w->selectedEntry(), entry);
    QCOMPARE(w->dbKund[1]->text(), name);

    // Esc shows every entry again, and keeps the window open; the found one stays selected.
    QTest::keyClick(w->txtSok, Qt::Key_Escape);
    QCOMPARE(frmOrderLista::existing(), w);
    if (undelivered) {
        QCOMPARE(listedRows(w), QStringList({"100001", "100001", "300003"}));
        QTest::mouseClick(w->chkEjLevererade, Qt::LeftButton);
    }
    QCOMPARE(listedRows(w).size(), 4);
    QCOMPARE(w->selectedEntry(), entry);
    QCOMPARE(w->dbKund[1]->text(), name);
}

void TestOrderListWindow::sortsAndVoids_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<QStringList>("sorted"); // the Ordernr column afterwards
    QTest::addColumn<bool>("beforeRead");    // sorted before the orders' files are read
    // x-1 names an order without files; empty values and such entries stay last either way round.
    QTest::newRow("Ordernr, numbers by value") << 0 << 1 << QStringList{"9", "10", "100001", "300003", "x-1"} << false;
    QTest::newRow("Ordernr, largest first") << 0 << 2 << QStringList{"300003", "100001", "10", "9", "x-1"} << false;
    QTest::newRow("Orderdatum, dates before other text")
        << 1 << 1 << QStringList{"10", "9", "100001", "300003", "x-1"} << false;
    QTest::newRow("Orderdatum, newest first") << 1 << 2 << QStringList{"100001", "9", "10", "300003", "x-1"} << false;
    QTest::newRow("Kund, customer numbers by value")
        << 2 << 1 << QStringList{"100001", "300003", "9", "10", "x-1"} << false;
    QTest::newRow("Leverantör, Å before Ä") << 3 << 1 << QStringList{"100001", "9", "10", "300003", "x-1"} << false;
    QTest::newRow("Status by its number") << 4 << 1 << QStringList{"10", "9", "300003", "100001", "x-1"} << false;
    QTest::newRow("Summa, smallest first") << 5 << 1 << QStringList{"300003", "10", "100001", "9", "x-1"} << false;
    QTest::newRow("Summa, largest first") << 5 << 2 << QStringList{"9", "100001", "10", "300003", "x-1"} << false;
    QTest::newRow("a third click, the file's order")
        << 5 << 3 << QStringList{"100001", "x-1", "10", "300003", "9"} << false;
    QTest::newRow("Summa, sorted before the orders are read")
        << 5 << 1 << QStringList{"300003", "10", "100001", "9", "x-1"} << true;
}

void TestOrderListWindow::sortsAndVoids()
{
    QFETCH(int, column);
    QFETCH(int, clicks);
    QFETCH(QStringList, sorted);
    QFETCH(bool, beforeRead);
    testsupport::AppFolder folder;
    QString error;
    const QStringList orders[] = {
        {"K9", "Örjan", "08", "1", "9", "2026-01-15", "S", "2, Skickad", "0222", "Zeta Bygg"},
        {"K10", "Åsa", "", "", "10", "2025-12-31", "S", "1, Ny", "0111", "Åhlens"},
        {"K3", "Anna", "", "", "100001", "2026-03-01", "S", "10, Levererad", "0333", ""},
        {"K4", "Bo", "", "", "300003", "okänt", "S", "3, Packad", "0444", "Ängs"},
    };
    for (const QStringList& values : orders)
        QVERIFY(data::writeOrderData(values.at(4), values, &error));
    QVERIFY(data::appendOrderLine("9", {"A", "Ugn", "1 249,00", "1", "ST"}, &error));
    for (int i = 0; i < 2; ++i)
        QVERIFY(data::appendOrderLine("10", {"B", "Skruv", "12,50", "3", "ST"}, &error));
    QVERIFY(data::appendOrderLine("100001", {"C", "Rör", "999,5", "1", "M"}, &error));
    folder.write("Order/Lista.log", "100001\r\nx-1\r\n10\r\n300003\r\n9\r\n");

    frmOrderLista* w = openWindow();
    QCOMPARE(listedRows(w), QStringList({"100001", "x-1", "10", "300003", "9"}));
    if (beforeRead) {
        // The orders are sorted in as they are read.
        clickEntry(w, 2);
        clickHeader(w, column);
        QTRY_COMPARE(listedRows(w), sorted);
        QCOMPARE(w->selectedEntry(), 2);
        return;
    }
    QTRY_COMPARE(shownColumn(w, 2), QStringList({"K3 Anna", "Orderfilen saknas", "K10 Åsa", "K4 Bo", "K9 Örjan"}));
    QCOMPARE(shownColumn(w, 1), QStringList({"2026-03-01", "", "2025-12-31", "okänt", "2026-01-15"}));
    QCOMPARE(shownColumn(w, 3), QStringList({"0333", "", "Åhlens", "Ängs", "Zeta Bygg"}));
    QCOMPARE(shownColumn(w, 4), QStringList({"10, Levererad", "", "1, Ny", "3, Packad", "2, Skickad"}));
    QCOMPARE(shownColumn(w, 5), QStringList({"999,50", "", "75,00", "0,00", "1 249,00"}));
    clickEntry(w, 2);
    QCOMPARE(w->dbKund[1]->text(), QString("Åsa"));

    for (int i = 0; i < clicks; ++i)
        clickHeader(w, column);
    QCOMPARE(listedRows(w), sorted);
    // The chosen order stays chosen, counted in the file's order.
    QCOMPARE(w->selectedEntry(), 2);
    QCOMPARE(w->List1->selectionModel()->selectedRows().size(), 1);
    QCOMPARE(w->List1->selectionModel()->selectedRows().first().row(), int(sorted.indexOf("10")));

    MessageBoxScript::answerNext(ui::vbYes);
    QTest::mouseClick(w->Command4, Qt::LeftButton);
    QCOMPARE(folder.read("Order/Lista.log"), QByteArray("100001\r\nx-1\r\n300003\r\n9\r\n"));
    QVERIFY(!folder.exists("Order/10.OrderData.log") && folder.exists("Order/9.OrderData.log"));
    sorted.removeOne("10");
    QCOMPARE(listedRows(w), sorted);
}

// Leverera: part of the order arrives, then more than the rest of one line (asked, Nej), then the rest
// is closed; the file, the status and what the register shows follow each step.
void TestOrderListWindow::receivesDeliveries()
{
    testsupport::AppFolder folder;
    folder.copyShipped("System/Orderstatus.log");
    saveOrder("100001", 2); // lines 100001-0 and 100001-1, 3 each
    folder.write("Order/Lista.log", "100001\r\n");
    frmOrderLista* w = openWindow();
    w->chkEjLevererade->setChecked(true);
    QTRY_COMPARE(listedRows(w), QStringList{"100001"});
    clickEntry(w, 0);
    QVERIFY(w->ListView1->isColumnHidden(5) && !w->dbLeverans->isVisible());
    // Esc is Avbryt: nothing is recorded.
    QTest::mouseClick(w->Command5, Qt::LeftButton);
    QVERIFY(frmLeverera::existing() && frmLeverera::existing()->isVisible());
    QTest::keyClick(frmLeverera::existing()->txtDatum, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!frmLeverera::existing() && !folder.exists("Order/100001.OrderDelivery.log"));
    QTest::mouseClick(w->Command5, Qt::LeftButton);
    frmLeverera* dialog = frmLeverera::existing();
    QVERIFY(dialog && dialog->isVisible());
    QTableWidget* rows = dialog->tblRader;
    QCOMPARE(rows->rowCount(), 2);
    QCOMPARE(rows->item(0, 2)->text() + "|" + rows->item(0, 3)->text() + "|" + rows->item(0, 4)->text() + "|" +
                 rows->item(0, 5)->text(),
             QString("3|0|3|3"));
    dialog->txtDatum->setText("2026-12-08");
    rows->item(0, 5)->setText("1,5");
    rows->item(1, 5)->setText("0");
    QTest::mouseClick(dialog->Command1, Qt::LeftButton);
    QCOMPARE(folder.read("Order/100001.OrderDelivery.log"),
             QByteArray("\"2026-12-08\",\"1\",\"100001-0\",\"1,5\"\r\n"));
    QCOMPARE(folder.read("Order/100001.OrderData.log").split('\n').at(7), QByteArray("4, Delvis levererad\r"));
    QTRY_COMPARE(w->dbOrder[4]->text(), QString("4, Delvis levererad"));
    QVERIFY(!w->ListView1->isColumnHidden(5));
    QCOMPARE(w->ListView1->subItem(0, 5) + "|" + w->ListView1->subItem(0, 6), QString("1,5|1,5"));
    QCOMPARE(w->dbLeverans->text(), QString("2026-12-08"));
    QCOMPARE(MessageBoxScript::shown().size(), 0);
    // A status the clerk picks after a delivery is kept; only the next delivery moves it again.
    QString error;
    QVERIFY(data::writeOrderStatus("100001", "3, Skickad till leverantör", &error));
    clickEntry(w, 0);
    QTRY_COMPARE(w->dbOrder[4]->text(), QString("3, Skickad till leverantör"));

    // More than the rest of line 2 is asked about by name, Nej as the default; Nej records nothing.
    QTest::mouseClick(w->Command5, Qt::LeftButton);
    dialog = frmLeverera::existing();
    dialog->tblRader->item(1, 5)->setText("4");
    MessageBoxScript::answerNext(ui::vbNo);
    QTest::mouseClick(dialog->Command1, Qt::LeftButton);
    QCOMPARE(MessageBoxScript::shown().size(), 1);
    QCOMPARE(MessageBoxScript::shown().last().prompt,
             QString("Rad 2 (100001-1 Skruv, 5 mm): 4 är mer än resten 3.\r\nVill du ta emot 4 ändå ?"));
    QCOMPARE(MessageBoxScript::shown().last().defaultAnswer, int(ui::vbNo));
    QCOMPARE(folder.read("Order/100001.OrderDelivery.log").count('\n'), 1);
    QVERIFY(dialog->isVisible());

    // The rest will not come: every line still short is closed and the order is delivered.
    MessageBoxScript::answerNext(ui::vbYes);
    QTest::mouseClick(dialog->Command3, Qt::LeftButton);
    const QByteArray today = QDate::currentDate().toString("yyyy-MM-dd").toLatin1();
    QCOMPARE(folder.read("Order/100001.OrderDelivery.log"), "\"2026-12-08\",\"1\",\"100001-0\",\"1,5\"\r\n\"" + today +
                                                                "\",\"1\",\"100001-0\",\"avslutad\"\r\n\"" + today +
                                                                "\",\"2\",\"100001-1\",\"avslutad\"\r\n");
    QCOMPARE(folder.read("Order/100001.OrderData.log").split('\n').at(7), QByteArray("5, Levererad\r"));
    QTRY_COMPARE(w->ListView1->subItem(1, 6), QString("avslutad"));
    // Delivered, the order leaves the list of those still to be delivered, and its details go with it.
    QTRY_COMPARE(listedRows(w), QStringList{});
    QCOMPARE(w->dbOrder[1]->text(), QString());
}

QTEST_MAIN(TestOrderListWindow)
#include "tst_order_list_window.moc"
