#include "data/remembered_orders.h"
#include "data/text_codec.h"
#include "order_entry/add_line_dialog.h"
#include "order_entry/new_order_window.h"
#include "order_entry/splash_window.h"
#include "order_register/order_list_window.h"
#include "pickers/status_picker.h"
#include "test_support.h"
#include "ui/message_box.h"
#include "ui/report_list_view.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QCompleter>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTableView>
#include <QTest>
#include <QTextDocument>
#include <memory>

namespace {

template <class T = QWidget> T* find(QWidget* form, const QString& name)
{
    T* widget = form->findChild<T*>(name);
    if (!widget)
        qFatal("%s has no control %s", qPrintable(form->objectName()), qPrintable(name));
    return widget;
}

void click(QWidget* form, const QString& button)
{
    QTest::mouseClick(find<QAbstractButton>(form, button), Qt::LeftButton);
}

QString text(QWidget* form, const QString& name)
{
    if (auto* box = form->findChild<QLineEdit*>(name))
        return box->text();
    return find<QLabel>(form, name)->text();
}

frmZelOrderNew* openOrderWindow()
{
    frmZelOrderNew* window = frmZelOrderNew::instance();
    window->showForm();
    return window;
}

frmAdd* openAddDialog(frmZelOrderNew* window)
{
    click(window, "Command2");
    return frmAdd::existing();
}

using Shown = ui::MessageBoxScript::Shown;

// Two saved orders: K-17's from supplier 1008, and the later one of K-18 from 1009.
void writeTwoOrders(const testsupport::AppFolder& folder)
{
    folder.write("System/Leverantorer.log", "\xc5kessons,1008\r\nPl\xe5t,1009\r\n");
    testsupport::writeTwoSavedOrders(folder);
}

void rememberOrders()
{
    data::RememberedOrders* memory = data::RememberedOrders::instance();
    QSignalSpy read(memory, &data::RememberedOrders::readingDone);
    memory->start();
    QVERIFY(read.wait(5000));
}

// Where a key pressed in a box goes: to its drop-down while that is shown, as the system sends it.
QWidget* keysOf(QLineEdit* box)
{
    QWidget* popup = box->completer()->popup();
    return popup->isVisible() ? popup : box;
}

// What the drop-down under a box offers now; nothing when it is not shown.
QStringList offered(QLineEdit* box)
{
    QStringList rows;
    QAbstractItemView* popup = box->completer()->popup();
    for (int row = 0; popup->isVisible() && row < popup->model()->rowCount(); ++row)
        rows << popup->model()->index(row, 0).data().toString();
    return rows;
}

// Whether a control's text is drawn in red: some red pixels and no dark one of another colour.
bool drawnInRed(QWidget* widget)
{
    const QImage image = widget->grab().toImage();
    int red = 0;
    for (int i = 0; i < image.width() * image.height(); ++i) {
        const QColor c = image.pixelColor(i % image.width(), i / image.width());
        const bool isRed = c.red() > c.green() + 80 && c.red() > c.blue() + 80;
        if (!isRed && c.lightness() < 160)
            return false;
        red += isRed;
    }
    return red > 20;
}

} // namespace

class TestOrderEntry : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void splashShowsVersionThenNewOrderWindow();
    void newWindowTabOrder();
    void textBoxLimits_data();
    void textBoxLimits();
    void pastedCharactersDropped_data();
    void pastedCharactersDropped();
    void save_data();
    void save();
    void repeatedSave();
    void saveFailure_data();
    void saveFailure();
    void closeAnswered_data();
    void closeAnswered();
    void closeBoxEndsProgram_data();
    void closeBoxEndsProgram();
    void addLine_data();
    void addLine();
    void addLineFailure_data();
    void addLineFailure();
    void cancelAddKeepsLines();
    void removeAsks_data();
    void removeAsks();
    void buttonsWithoutAction();
    void newOrder_data();
    void newOrder();
    void supplierAddedMeanwhileIsKnown();
    void changeLine();
    void statusAndTotal();
    void remembersArticles();
    void remembersCustomers();
    void copiesOrder();

private:
    std::unique_ptr<testsupport::AppFolder> m_folder;
    int m_ends = 0;
};

QtMessageHandler g_testLogger = nullptr;

void TestOrderEntry::initTestCase()
{
    // The offscreen platform cannot raise windows, nor give a drop-down the keys, and says so every
    // time; that is not a fault here.
    g_testLogger =
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& message) {
            if (message != QLatin1String("This plugin does not support raise()") &&
                message != QLatin1String("This plugin does not support grabbing the keyboard"))
                g_testLogger(type, context, message);
        });
}

void TestOrderEntry::init()
{
    testsupport::resetForms();
    data::RememberedOrders::instance()->stop();
    m_folder = std::make_unique<testsupport::AppFolder>();
    m_ends = 0;
    ui::setEndHandler([this] { ++m_ends; });
}

void TestOrderEntry::cleanup()
{
    const int unexpected = ui::MessageBoxScript::unexpected();
    const int pending = ui::MessageBoxScript::pendingAnswers();
    testsupport::resetForms();
    QVERIFY(ui::loadedForms().isEmpty());
    data::RememberedOrders::instance()->stop();
    m_folder.reset();
    QCOMPARE(unexpected, 0);
    QCOMPARE(pending, 0);
}

void TestOrderEntry::splashShowsVersionThenNewOrderWindow()
{
    QElapsedTimer clock;
    clock.start();
    frmSplash* splash = frmSplash::instance();
    splash->showForm();

    auto* label = find<QLabel>(splash, "Label1");
    const QStringList lines = label->text().split('\n');
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines.at(0), QStringLiteral("Version 1.0.0"));
    QVERIFY(lines.at(1).startsWith(QStringLiteral("©")));
    // The text fits inside the label and the label inside the window: nothing is cut off.
    const QRect room = label->contentsRect();
    const QRect needed =
        QFontMetrics(label->font())
            .boundingRect(room, int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0), label->text());
    QVERIFY2(room.contains(needed), qPrintable(QStringLiteral("%1x%2").arg(needed.width()).arg(needed.height())));
    QVERIFY(splash->rect().contains(label->geometry()));
    QVERIFY(!frmZelOrderNew::existing());

    QTRY_VERIFY_WITH_TIMEOUT(frmZelOrderNew::existing() && frmZelOrderNew::existing()->isVisible(), 5000);
    QVERIFY2(clock.elapsed() >= 1000, qPrintable(QString::number(clock.elapsed())));
    QTRY_VERIFY(!frmSplash::existing());
    QCOMPARE(ui::loadedForms(), QList<ui::Form*>{frmZelOrderNew::existing()});

    // The tick happens once: the splash does not come back and the order keeps its number.
    const QString number = text(frmZelOrderNew::existing(), "dbOrderNr");
    QTest::qWait(1200);
    QVERIFY(!frmSplash::existing());
    QCOMPARE(text(frmZelOrderNew::existing(), "dbOrderNr"), number);
    QCOMPARE(m_ends, 0);
}

void TestOrderEntry::newWindowTabOrder()
{
    frmZelOrderNew* window = openOrderWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QCOMPARE(QApplication::focusWidget(), find(window, "Text1")); // the clerk starts with the customer

    const auto walk = [&] {
        find(window, "Text1")->setFocus();
        QStringList order{QApplication::focusWidget()->objectName()};
        for (int i = 0; i < 14; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order << QApplication::focusWidget()->objectName();
        }
        return order;
    };
    const QStringList saved{"Text1",    "Text2",    "Text3",    "Text4",    "ListView1",
                            "Command2", "Command3", "Command4", "Command5", "Command1",
                            "txtLevNr", "Command6", "Command9", "Command8", "Text1"};
    QStringList unsaved = saved;
    unsaved.removeOne("Command5"); // "Stäng" is disabled until the first save
    unsaved << "Text2";
    QCOMPARE(walk(), unsaved);

    ui::MessageBoxScript::answerNext(ui::vbOK);
    click(window, "Command6");
    QCOMPARE(walk(), saved);
}

void TestOrderEntry::textBoxLimits_data()
{
    QTest::addColumn<bool>("addDialog");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");

    QTest::newRow("area code: 4") << false << "Text3"
                                  << "081234"
                                  << "0812";
    QTest::newRow("telephone number: 11") << false << "Text4"
                                          << "123 456 78 90 12"
                                          << "123 456 78 ";
    QTest::newRow("customer name: quotes and letters kept") << false << "Text2"
                                                            << "Åsa \"Sillen\" Öberg"
                                                            << "Åsa \"Sillen\" Öberg";
    QTest::newRow("article number: 15") << true << "Text1"
                                        << "ABCDEFGHIJKLMNOPQ"
                                        << "ABCDEFGHIJKLMNO";
    QTest::newRow("description: 30") << true << "Text2" << QString(35, 'x') << QString(30, 'x');
    QTest::newRow("unit price: 8") << true << "Text3"
                                   << "1234,5678"
                                   << "1234,567";
    QTest::newRow("quantity: 8") << true << "Text4"
                                 << "123456789"
                                 << "12345678";
    QTest::newRow("quote refused, the rest as typed") << true << "Text2"
                                                      << "Skruv 12\" rostfri, åäö ©"
                                                      << "Skruv 12 rostfri, åäö ©";
}

void TestOrderEntry::textBoxLimits()
{
    QFETCH(bool, addDialog);
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, kept);

    frmZelOrderNew* window = openOrderWindow();
    QWidget* form = addDialog ? static_cast<QWidget*>(openAddDialog(window)) : window;
    auto* edit = find<QLineEdit>(form, box);
    testsupport::typeText(edit, typed);
    QCOMPARE(edit->text(), kept);
}

void TestOrderEntry::pastedCharactersDropped_data()
{
    QTest::addColumn<bool>("addDialog");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<QString>("note"); // in the order window's status bar

    const QString lineBreaks = "Radbrytningar kan inte lagras i fältet och togs bort.";
    const QString quotes = "Citattecken och radbrytningar kan inte lagras i orderraden och togs bort.";
    for (const char* name : {"Text1", "Text2", "Text4", "txtLevNr"})
        QTest::addRow("new order %s", name) << false << name << "12\r\n34"
                                            << "1234" << lineBreaks;
    QTest::newRow("new order Text3, four characters") << false << "Text3"
                                                      << "12\r\n34"
                                                      << "12" << lineBreaks;
    for (const char* name : {"Text1", "Text2", "Text3", "Text4"})
        QTest::addRow("add line %s", name) << true << name << "12\n34"
                                           << "1234" << quotes;
    QTest::newRow("inch mark") << true << "Text2"
                               << "Rör 1/2\", mässing"
                               << "Rör 1/2, mässing" << quotes;
    QTest::newRow("one line pastes as usual") << true << "Text2"
                                              << "Bult, rostfri"
                                              << "Bult, rostfri"
                                              << "";
}

void TestOrderEntry::pastedCharactersDropped()
{
    QFETCH(bool, addDialog);
    QFETCH(QString, box);
    QFETCH(QString, pasted);
    QFETCH(QString, kept);
    QFETCH(QString, note);

    frmZelOrderNew* window = openOrderWindow();
    QWidget* form = addDialog ? static_cast<QWidget*>(openAddDialog(window)) : window;
    auto* edit = find<QLineEdit>(form, box);
    QApplication::clipboard()->setText(pasted);
    edit->paste();
    QCOMPARE(edit->text(), kept);
    QCOMPARE(window->StatusBar1->currentMessage(), note);
    // A tool that sets the text directly, as screen readers and test drivers do, meets the same rule.
    window->StatusBar1->clearMessage();
    edit->setText(pasted);
    QCOMPARE(edit->text(), kept);
    QCOMPARE(window->StatusBar1->currentMessage(), note);
}

void TestOrderEntry::save_data()
{
    QTest::addColumn<QStringList>("typed");    // Text1..Text4, txtLevNr
    QTest::addColumn<QString>("supplierName"); // null: as the number typed leaves it
    QTest::addColumn<QString>("pickedStatus");
    QTest::addColumn<int>("unknownAnswer");        // to the question about an unknown supplier; 0: not asked
    QTest::addColumn<QByteArray>("customerLines"); // the data file's first four lines
    QTest::addColumn<QByteArray>("supplierLines"); // and its last two; null: nothing saved

    QTest::newRow("untouched window") << QStringList(5) << QString() << QString() << 0 << QByteArray("\r\n\r\n\r\n\r\n")
                                      << QByteArray("\r\n\r\n");
    QTest::newRow("typed values with swedish letters")
        << QStringList{"K-17", "Åsa Öberg, Ärlig Bygg", "08", "123 45 67", "1008"} << "Åkessons Trä & Bygg" << QString()
        << 0
        << QByteArray("K-17\r\n\xc5sa \xd6"
                      "berg, \xc4rlig Bygg\r\n08\r\n123 45 67\r\n")
        << QByteArray("1008\r\n\xc5kessons Tr\xe4 & Bygg\r\n");
    QTest::newRow("status picked earlier is replaced")
        << QStringList{"1", "", "", "", ""} << QString() << "3, Skickad" << 0 << QByteArray("1\r\n\r\n\r\n\r\n")
        << QByteArray("\r\n\r\n");
    QTest::newRow("supplier number typed brings the first name listed for it")
        << QStringList{"K-2", "", "", "", "1009"} << QString() << QString() << 0 << QByteArray("K-2\r\n\r\n\r\n\r\n")
        << QByteArray("1009\r\n\xd6resunds Pl\xe5t AB\r\n");
    // On its way the number is 1009 and brings a name, which goes again with the last digit.
    QTest::newRow("unknown supplier, Ja saves it without a name")
        << QStringList{"K-3", "", "", "", "10091"} << QString() << QString() << int(ui::vbYes)
        << QByteArray("K-3\r\n\r\n\r\n\r\n") << QByteArray("10091\r\n\r\n");
    QTest::newRow("unknown supplier, Nej saves nothing") << QStringList{"K-4", "", "", "", "0110"} << QString()
                                                         << QString() << int(ui::vbNo) << QByteArray() << QByteArray();
}

void TestOrderEntry::save()
{
    QFETCH(QStringList, typed);
    QFETCH(QString, supplierName);
    QFETCH(QString, pickedStatus);
    QFETCH(int, unknownAnswer);
    QFETCH(QByteArray, customerLines);
    QFETCH(QByteArray, supplierLines);

    m_folder->write("System/Leverantorer.log",
                    "\"\xc5kessons Tr\xe4 & Bygg\",1008\r\n\xd6resunds Pl\xe5t AB,1009\r\nPl\xe5t & Co,1009\r\n");
    frmZelOrderNew* window = openOrderWindow();
    const QStringList boxes{"Text1", "Text2", "Text3", "Text4", "txtLevNr"};
    for (int i = 0; i < boxes.size(); ++i)
        testsupport::typeText(find(window, boxes.at(i)), typed.at(i));
    if (!supplierName.isNull())
        find<QLabel>(window, "dbLevName")->setText(supplierName);
    if (!pickedStatus.isEmpty()) {
        find<QLabel>(window, "dbStatus")->setText(pickedStatus);
        find<QLabel>(window, "dbStatusText")->setText(QStringLiteral("Skickad till leverantör"));
    }
    find<QLabel>(window, "msg3")->setText(QStringLiteral("Ordern är sparad"));
    find<QLabel>(window, "msg4")->setText(QStringLiteral("Spara"));

    // An unknown number empties the name, and a red "okänd leverantör" shows in its place.
    auto* unknown = find<QLabel>(window, "lblLevOkand");
    QCOMPARE(unknown->isVisible(), unknownAnswer != 0);
    if (unknownAnswer) {
        QCOMPARE(text(window, "dbLevName"), QString());
        QCOMPARE(unknown->text(), QStringLiteral("okänd leverantör"));
        QCOMPARE(unknown->geometry(), find(window, "dbLevName")->geometry());
        QVERIFY(drawnInRed(unknown));
    }

    const QString number = text(window, "dbOrderNr");
    QVERIFY(number.size() >= 5 && number.size() <= 8 && number.front() == number.back());
    QVERIFY(!find(window, "Command5")->isEnabled());

    if (unknownAnswer)
        ui::MessageBoxScript::answerNext(unknownAnswer);
    if (unknownAnswer != ui::vbNo)
        ui::MessageBoxScript::answerNext(ui::vbOK);
    click(window, "Command6");

    const QVector<Shown> shown = ui::MessageBoxScript::shown();
    if (unknownAnswer) {
        QCOMPARE(shown.at(0).prompt, QStringLiteral("Leverantörsnummer \"%1\" finns inte i leverantörslistan.\r\n"
                                                    "Vill du spara ordern ändå ?")
                                         .arg(typed.at(4)));
        QCOMPARE(shown.at(0).title, QStringLiteral("Okänd leverantör"));
        QCOMPARE(shown.at(0).style, ui::vbYesNo + ui::vbQuestion);
    }
    if (supplierLines.isNull()) {
        QCOMPARE(shown.size(), 1);
        // Only the window's hold on its number is there: no data file, no list entry.
        QCOMPARE(QDir(m_folder->file("Order")).entryList(QDir::Files | QDir::Hidden),
                 QStringList{number + ".reservation"});
        QCOMPARE(text(window, "dbStatus"), QStringLiteral("0"));
        return;
    }

    const QByteArray today = QDate::currentDate().toString(Qt::ISODate).toLatin1();
    QCOMPARE(m_folder->read("Order/" + number + ".OrderData.log"),
             customerLines + number.toLatin1() + "\r\n" + today + "\r\nORDERMOTTAGARE\r\n1, Created not printed\r\n" +
                 supplierLines);
    QCOMPARE(m_folder->read("Order/Lista.log"), number.toLatin1() + "\r\n");
    QVERIFY(!m_folder->exists("Order/" + number + ".OrderBasket.log")); // no lines, no basket file

    QCOMPARE(shown.size(), unknownAnswer ? 2 : 1);
    QCOMPARE(shown.constLast().prompt, QStringLiteral("Ordern är sparad"));
    QCOMPARE(shown.constLast().title, QStringLiteral("Spara"));
    QCOMPARE(shown.constLast().style, ui::vbOKOnly + ui::vbInformation);

    // The window is not cleared: fields, number and date stay, and "Stäng" is now enabled.
    QVERIFY(find(window, "Command5")->isEnabled());
    QCOMPARE(text(window, "dbStatus"), QStringLiteral("1, Created not printed"));
    auto* status = find<QLabel>(window, "dbStatus");
    QVERIFY(status->fontMetrics().horizontalAdvance(status->text()) < status->width()); // shown whole
    QVERIFY(status->geometry().right() < find(window, "Command8")->geometry().left());
    for (int i = 0; i < boxes.size(); ++i)
        QCOMPARE(text(window, boxes.at(i)), typed.at(i));
    QCOMPARE(text(window, "dbOrderNr"), number);
}

void TestOrderEntry::repeatedSave()
{
    frmZelOrderNew* window = openOrderWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    const QString number = text(window, "dbOrderNr");
    testsupport::typeText(find(window, "Text2"), "Första");
    // Ctrl+P prints the order as saved: before the first save there is nothing to print.
    ui::MessageBoxScript::answerNext(ui::vbOK);
    QTest::keyClick(find(window, "Text2"), Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(ui::MessageBoxScript::shown().constLast().prompt,
             QStringLiteral("Ordern är inte sparad. Spara den först, så kan den skrivas ut."));
    QVERIFY(!window->findChild<QPrintPreviewDialog*>());
    // The first save by Ctrl+S, from where the clerk types.
    ui::MessageBoxScript::answerNext(ui::vbOK);
    QTest::keyClick(find(window, "Text2"), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(m_folder->read("Order/Lista.log"), number.toLatin1() + "\r\n");
    find<QLineEdit>(window, "Text2")->clear();
    testsupport::typeText(find(window, "Text2"), "Andra");
    ui::MessageBoxScript::answerNext(ui::vbOK);
    // The second save by keyboard: Enter presses the button that has the focus.
    QTest::keyClick(find(window, "Command6"), Qt::Key_Return);

    QCOMPARE(ui::MessageBoxScript::shown().size(), 3);
    QCOMPARE(m_folder->read("Order/Lista.log"), number.toLatin1() + "\r\n");
    QStringList stored = data::decodeWindows1252(m_folder->read("Order/" + number + ".OrderData.log")).split("\r\n");
    QCOMPARE(stored.size(), 11); // ten lines and the empty rest after the last CR LF
    QCOMPARE(stored.at(1), QStringLiteral("Andra"));

    // Saved, Ctrl+P shows the order as saved, not what was typed since.
    testsupport::typeText(find(window, "Text2"), " osparad");
    QTest::keyClick(find(window, "Text2"), Qt::Key_P, Qt::ControlModifier);
    auto* preview = window->findChild<QPrintPreviewDialog*>("printPreview");
    QVERIFY(preview && preview->isVisible());
    const QString document = testsupport::printedPages(preview).join("\f");
    QVERIFY2(document.contains("Inköpsorder") && document.contains("Ordernr: " + number) &&
                 document.contains("Gäller kund: Andra") && !document.contains("osparad"),
             qPrintable(document));
    QCOMPARE(window->StatusBar1->currentMessage(),
             QStringLiteral("Utskriften visar ordern som den sparades senast, utan ändringarna sedan dess."));
    preview->close();
    // The window still holds the number while it shows the order.
    QCOMPARE(QDir(m_folder->file("Order")).entryList(QDir::Files | QDir::Hidden),
             QStringList({number + ".OrderData.log", number + ".reservation", "Lista.log"}));
    window->unload();
    QCOMPARE(QDir(m_folder->file("Order")).entryList(QDir::Files | QDir::Hidden),
             QStringList({number + ".OrderData.log", "Lista.log"}));
}

void TestOrderEntry::saveFailure_data()
{
    QTest::addColumn<bool>("orderFolder");
    QTest::addColumn<QString>("failingFile");
    QTest::addColumn<bool>("dataFileWritten");

    QTest::newRow("Order folder missing") << false << "OrderData.log" << false;
    QTest::newRow("list file cannot be appended to") << true << "Lista.log" << true;
}

void TestOrderEntry::saveFailure()
{
    QFETCH(bool, orderFolder);
    QFETCH(QString, failingFile);
    QFETCH(bool, dataFileWritten);

    m_folder.reset(); // the old folder must go first, or its end would reset the new one
    m_folder = std::make_unique<testsupport::AppFolder>(orderFolder);
    if (orderFolder)
        QVERIFY(QDir(m_folder->file("Order")).mkdir("Lista.log")); // a folder where the list file belongs

    frmZelOrderNew* window = openOrderWindow();
    const QString number = text(window, "dbOrderNr");
    testsupport::typeText(find(window, "Text2"), "Åsa Öberg");
    testsupport::typeText(find(window, "Text3"), "08");
    ui::MessageBoxScript::answerNext(ui::vbOK);
    click(window, "Command6");

    const QVector<Shown> shown = ui::MessageBoxScript::shown();
    QCOMPARE(shown.size(), 1); // the error, and no success notice
    QVERIFY2(shown.at(0).prompt.contains(failingFile) && shown.at(0).prompt.startsWith("Kunde inte"),
             qPrintable(shown.at(0).prompt));
    QCOMPARE(shown.at(0).style, ui::vbOKOnly + ui::vbCritical);
    QVERIFY(!find(window, "Command5")->isEnabled());
    QCOMPARE(text(window, "Text2"), QStringLiteral("Åsa Öberg"));
    QCOMPARE(text(window, "Text3"), QStringLiteral("08"));
    QCOMPARE(text(window, "dbOrderNr"), number);
    // A data file that no list line names is told about, so the clerk saves again.
    QCOMPARE(shown.at(0).prompt.endsWith("Ordern " + number +
                                         " är sparad men står inte i orderlistan, så den syns "
                                         "inte i registret. Spara igen när felet är åtgärdat."),
             dataFileWritten);
    QCOMPARE(m_folder->exists("Order/" + number + ".OrderData.log"), dataFileWritten);
    if (dataFileWritten)
        QCOMPARE(data::decodeWindows1252(m_folder->read("Order/" + number + ".OrderData.log")).count("\r\n"), 10);
    QVERIFY(window->isVisible());
    QCOMPARE(m_ends, 0);
}

void TestOrderEntry::closeAnswered_data()
{
    QTest::addColumn<int>("answer");
    QTest::newRow("Nej keeps everything") << int(ui::vbNo);
    QTest::newRow("Ja ends the program") << int(ui::vbYes);
}

void TestOrderEntry::closeAnswered()
{
    QFETCH(int, answer);

    frmZelOrderNew* window = openOrderWindow();
    testsupport::typeText(find(window, "Text1"), "K-17");
    frmAdd* dialog = openAddDialog(window);
    testsupport::typeText(find(dialog, "Text1"), "A-1");
    ui::MessageBoxScript::answerNext(ui::vbYes);
    click(dialog, "Command1");
    testsupport::typeText(find(dialog, "Text2"), "halvskrivet");

    click(window, "Command5"); // disabled before the first save: no question
    QCOMPARE(ui::MessageBoxScript::shown().size(), 1);

    ui::MessageBoxScript::answerNext(ui::vbOK);
    click(window, "Command6");
    ui::MessageBoxScript::answerNext(answer);
    click(window, "Command5");

    const Shown asked = ui::MessageBoxScript::shown().constLast();
    QCOMPARE(asked.prompt, QStringLiteral("Vill du avsluta ?"));
    QCOMPARE(asked.title, QStringLiteral("Avsluta"));
    QCOMPARE(asked.style, ui::vbYesNo + ui::vbQuestion);

    if (answer == ui::vbYes) {
        QCOMPARE(m_ends, 1);
        QVERIFY(ui::loadedForms().isEmpty());
        QVERIFY(!frmAdd::existing());
        return;
    }
    QCOMPARE(m_ends, 0);
    QCOMPARE(frmZelOrderNew::existing(), window);
    QCOMPARE(frmAdd::existing(), dialog);
    QVERIFY(window->isVisible() && dialog->isVisible());
    QCOMPARE(text(window, "Text1"), QStringLiteral("K-17"));
    QCOMPARE(text(dialog, "Text2"), QStringLiteral("halvskrivet"));
    QCOMPARE(find<ui::ReportListView>(window, "ListView1")->rowCount(), 1);
    QVERIFY(find(window, "Command5")->isEnabled());
}

void TestOrderEntry::closeBoxEndsProgram_data()
{
    QTest::addColumn<QString>("typed"); // into Text2
    QTest::addColumn<int>("answer");    // 0: no question expected
    QTest::newRow("nothing typed: ends at once") << "" << 0;
    QTest::newRow("typed, Nej keeps the order") << "Åsa Öberg" << int(ui::vbNo);
    QTest::newRow("typed, Ja ends the program") << "Åsa Öberg" << int(ui::vbYes);
}

void TestOrderEntry::closeBoxEndsProgram()
{
    QFETCH(QString, typed);
    QFETCH(int, answer);

    frmZelOrderNew* window = openOrderWindow();
    testsupport::typeText(find(window, "Text2"), typed);
    find<QLabel>(window, "msg5")->setText(QStringLiteral("Lämna ordern?"));
    openAddDialog(window);
    if (answer)
        ui::MessageBoxScript::answerNext(answer);

    QCOMPARE(window->close(), answer != ui::vbNo); // the close box, and Alt+F4 through the same event

    const QVector<Shown> shown = ui::MessageBoxScript::shown();
    QCOMPARE(int(shown.size()), answer ? 1 : 0);
    if (answer) { // the question of "Ny order"
        QCOMPARE(shown.constLast().prompt, QStringLiteral("Lämna ordern?"));
        QCOMPARE(shown.constLast().style, ui::vbYesNo + ui::vbQuestion + ui::vbDefaultButton2);
        QCOMPARE(shown.constLast().defaultAnswer, int(ui::vbNo));
    }
    if (answer == ui::vbNo) {
        QCOMPARE(m_ends, 0);
        QVERIFY(window->isVisible() && frmAdd::existing());
        QCOMPARE(text(window, "Text2"), typed);
        return;
    }
    QCOMPARE(m_ends, 1);
    QVERIFY(ui::loadedForms().isEmpty());
}

void TestOrderEntry::addLine_data()
{
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QByteArray>("record");

    QTest::newRow("untouched, Ja") << QStringList(4) << 0 << int(ui::vbYes)
                                   << QByteArray("\"\",\"\",\"\",\"\",\"ST\"\r\n");
    QTest::newRow("decimal comma and letters, Nej")
        << QStringList{"B-2", "Bult, rostfri åäö", "12,50", "1,5"} << 3 << int(ui::vbNo)
        << QByteArray("\"B-2\",\"Bult, rostfri \xe5\xe4\xf6\",\"12,50\",\"1,5\",\"KG\"\r\n");
    QTest::newRow("blanks kept, Ja") << QStringList{" 7", "  två  blanka ", "9 ", ""} << 6 << int(ui::vbYes)
                                     << QByteArray("\" 7\",\"  tv\xe5  blanka \",\"9 \",\"\",\"PALL\"\r\n");
}

void TestOrderEntry::addLine()
{
    QFETCH(QStringList, typed);
    QFETCH(int, unit);
    QFETCH(int, answer);
    QFETCH(QByteArray, record);

    frmZelOrderNew* window = openOrderWindow();
    const QString number = text(window, "dbOrderNr");
    frmAdd* dialog = openAddDialog(window);
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(openAddDialog(window), dialog); // a second "Lägg till" brings the same dialog

    auto* units = find<QComboBox>(dialog, "Combo1");
    QCOMPARE(units->count(), 7);
    QCOMPARE(units->currentText(), QStringLiteral("ST"));
    const QStringList boxes{"Text1", "Text2", "Text3", "Text4"};
    for (int i = 0; i < boxes.size(); ++i)
        testsupport::typeText(find(dialog, boxes.at(i)), typed.at(i));
    units->setCurrentIndex(unit);
    const QString chosen = units->currentText();
    find<QLabel>(dialog, "msg1")->setText(QStringLiteral("Vill du lägga till fler rader?"));
    find<QLabel>(dialog, "msg2")->setText(QStringLiteral("Lägg till"));

    ui::MessageBoxScript::answerNext(answer);
    click(dialog, "Command1");

    const QVector<Shown> shown = ui::MessageBoxScript::shown();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.at(0).prompt, QStringLiteral("Vill du lägga till fler rader?"));
    QCOMPARE(shown.at(0).title, QStringLiteral("Lägg till"));
    QCOMPARE(shown.at(0).style, ui::vbYesNo + ui::vbQuestion);

    QCOMPARE(m_folder->read("Order/" + number + ".OrderBasket.log"), record);
    auto* list = find<ui::ReportListView>(window, "ListView1");
    QCOMPARE(list->rowCount(), 1);
    QCOMPARE(list->itemText(0), typed.at(0));
    QCOMPARE((QStringList{list->subItem(0, 1), list->subItem(0, 2), list->subItem(0, 3), list->subItem(0, 4)}),
             (QStringList{typed.at(1), typed.at(2), typed.at(3), chosen}));

    if (answer == ui::vbNo) {
        QVERIFY(!frmAdd::existing());
        return;
    }
    QCOMPARE(frmAdd::existing(), dialog);
    QVERIFY(dialog->isVisible());
    for (const QString& box : boxes)
        QCOMPARE(text(dialog, box), QString());
    QCOMPARE(units->currentText(), chosen);
    QCOMPARE(dialog->focusWidget(), find(dialog, "Text1")); // ready for the next line

    // The next line goes below the first, in the file and in the list.
    testsupport::typeText(find(dialog, "Text1"), "Nästa");
    ui::MessageBoxScript::answerNext(ui::vbNo);
    click(dialog, "Command1");
    QCOMPARE(list->rowCount(), 2);
    QCOMPARE(list->itemText(1), QStringLiteral("Nästa"));
    QVERIFY(m_folder->read("Order/" + number + ".OrderBasket.log").startsWith(record));
    QCOMPARE(m_folder->read("Order/" + number + ".OrderBasket.log").count("\r\n"), 2);
}

void TestOrderEntry::addLineFailure_data()
{
    QTest::addColumn<int>("answer");
    QTest::newRow("Ja") << int(ui::vbYes);
    QTest::newRow("Nej does not close the dialog") << int(ui::vbNo);
}

void TestOrderEntry::addLineFailure()
{
    QFETCH(int, answer);

    m_folder.reset();
    m_folder = std::make_unique<testsupport::AppFolder>(false);
    frmZelOrderNew* window = openOrderWindow();
    frmAdd* dialog = openAddDialog(window);
    testsupport::typeText(find(dialog, "Text1"), "A-100");
    testsupport::typeText(find(dialog, "Text2"), "Skruv");
    find<QComboBox>(dialog, "Combo1")->setCurrentIndex(2);

    ui::MessageBoxScript::answerNext(answer);
    ui::MessageBoxScript::answerNext(ui::vbYes);
    click(dialog, "Command1");

    const QVector<Shown> shown = ui::MessageBoxScript::shown();
    QCOMPARE(shown.size(), 2);
    QCOMPARE(shown.at(1).prompt, QStringLiteral("Det blev något fel"));
    QCOMPARE(shown.at(1).title, QStringLiteral("Telefonlista"));
    QCOMPARE(shown.at(1).style, int(ui::vbYesNo));

    QCOMPARE(find<ui::ReportListView>(window, "ListView1")->rowCount(), 0);
    QCOMPARE(frmAdd::existing(), dialog);
    QVERIFY(dialog->isVisible());
    QCOMPARE(text(dialog, "Text1"), QStringLiteral("A-100"));
    QCOMPARE(text(dialog, "Text2"), QStringLiteral("Skruv"));
    QCOMPARE(find<QComboBox>(dialog, "Combo1")->currentText(), QStringLiteral("FRP"));
    QVERIFY(!QDir(m_folder->file("Order")).exists());
}

void TestOrderEntry::cancelAddKeepsLines()
{
    frmZelOrderNew* window = openOrderWindow();
    const QString basket = "Order/" + text(window, "dbOrderNr") + ".OrderBasket.log";
    frmAdd* dialog = openAddDialog(window);
    testsupport::typeText(find(dialog, "Text1"), "A-1");
    find<QComboBox>(dialog, "Combo1")->setCurrentIndex(4);
    ui::MessageBoxScript::answerNext(ui::vbYes);
    click(dialog, "Command1");
    testsupport::typeText(find(dialog, "Text1"), "inte sparad");
    const QByteArray before = m_folder->read(basket);

    click(dialog, "Command2");
    QTRY_VERIFY(!frmAdd::existing());
    QCOMPARE(m_folder->read(basket), before);
    QCOMPARE(find<ui::ReportListView>(window, "ListView1")->rowCount(), 1);

    // Opened again, the dialog starts afresh.
    dialog = openAddDialog(window);
    QCOMPARE(text(dialog, "Text1"), QString());
    QCOMPARE(find<QComboBox>(dialog, "Combo1")->currentText(), QStringLiteral("ST"));
    QCOMPARE(find<QComboBox>(dialog, "Combo1")->count(), 7);

    // Esc, from where the clerk types, is "Avbryt".
    testsupport::typeText(find(dialog, "Text2"), "inte heller");
    QTest::keyClick(find(dialog, "Text2"), Qt::Key_Escape);
    QVERIFY(!frmAdd::existing());
    QCOMPARE(m_folder->read(basket), before);
    QCOMPARE(find<ui::ReportListView>(window, "ListView1")->rowCount(), 1);
}

void TestOrderEntry::removeAsks_data()
{
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<QStringList>("shown"); // the article numbers left in the window
    QTest::addColumn<QString>("total");
    QTest::addColumn<bool>("deleteKey"); // Delete on the line list instead of "Ta bort"
    const QByteArray two = "\"0\",\"\",\"10\",\"1\",\"ST\"\r\n\"1\",\"\",\"20\",\"1\",\"ST\"\r\n";
    QTest::newRow("Ja removes the selected line")
        << 2 << int(ui::vbYes) << QByteArray("\"0\",\"\",\"10\",\"1\",\"ST\"\r\n") << QStringList{"0"} << "Summa: 10,00"
        << false;
    QTest::newRow("Nej") << 2 << int(ui::vbNo) << two << QStringList{"0", "1"} << "Summa: 30,00" << false;
    QTest::newRow("no line to remove") << 0 << int(ui::vbYes) << QByteArray() << QStringList{} << "Summa: 0,00"
                                       << false;
    QTest::newRow("Delete key, Ja removes the selected line")
        << 2 << int(ui::vbYes) << QByteArray("\"0\",\"\",\"10\",\"1\",\"ST\"\r\n") << QStringList{"0"} << "Summa: 10,00"
        << true;
    QTest::newRow("Delete key, no line: no question")
        << 0 << 0 << QByteArray() << QStringList{} << "Summa: 0,00" << true;
}

void TestOrderEntry::removeAsks()
{
    QFETCH(int, lines);
    QFETCH(int, answer);
    QFETCH(QByteArray, after);
    QFETCH(QStringList, shown);
    QFETCH(QString, total);
    QFETCH(bool, deleteKey);

    frmZelOrderNew* window = openOrderWindow();
    const QString basket = "Order/" + text(window, "dbOrderNr") + ".OrderBasket.log";
    if (lines > 0) {
        frmAdd* dialog = openAddDialog(window);
        for (int i = 0; i < lines; ++i) {
            testsupport::typeText(find(dialog, "Text1"), QString::number(i));
            testsupport::typeText(find(dialog, "Text3"), QString::number(10 * (i + 1)));
            testsupport::typeText(find(dialog, "Text4"), "1");
            ui::MessageBoxScript::answerNext(ui::vbYes);
            click(dialog, "Command1");
        }
    }
    auto* list = find<ui::ReportListView>(window, "ListView1");
    list->selectRow(lines - 1);
    find<QLabel>(window, "msg1")->setText(QStringLiteral("Ta bort raden?"));
    find<QLabel>(window, "msg2")->setText(QStringLiteral("Ta bort"));
    const int asked = int(ui::MessageBoxScript::shown().size());

    if (answer)
        ui::MessageBoxScript::answerNext(answer);
    if (deleteKey)
        QTest::keyClick(list, Qt::Key_Delete);
    else
        click(window, "Command4");

    const QVector<Shown> boxes = ui::MessageBoxScript::shown();
    QCOMPARE(boxes.size(), asked + (answer ? 1 : 0));
    if (answer) {
        QCOMPARE(boxes.constLast().prompt, QStringLiteral("Ta bort raden?"));
        QCOMPARE(boxes.constLast().title, QStringLiteral("Ta bort"));
        QCOMPARE(boxes.constLast().style, ui::vbYesNo + ui::vbQuestion + ui::vbDefaultButton2);
        QCOMPARE(boxes.constLast().defaultAnswer, int(ui::vbNo)); // Enter keeps the line
    }
    QStringList left;
    for (int row = 0; row < list->rowCount(); ++row)
        left << list->itemText(row);
    QCOMPARE(left, shown);
    QCOMPARE(find<QLabel>(window, "Panel1")->text(), total);
    QCOMPARE(m_folder->read(basket), after);
}

void TestOrderEntry::buttonsWithoutAction()
{
    frmZelOrderNew* window = openOrderWindow();
    testsupport::typeText(find(window, "Text1"), "K-1");
    click(window, "Command3"); // "Ändra"
    click(window, "Command9"); // the small "Spara"
    QVERIFY(ui::MessageBoxScript::shown().isEmpty());
    QCOMPARE(text(window, "dbStatus"), QStringLiteral("0"));
    QCOMPARE(text(window, "Text1"), QStringLiteral("K-1"));
    QVERIFY(!find(window, "Command5")->isEnabled());
    QCOMPARE(QDir(m_folder->file("Order")).entryList(QDir::Files | QDir::Hidden),
             QStringList{text(window, "dbOrderNr") + ".reservation"});
    QCOMPARE(ui::loadedForms(), QList<ui::Form*>{window});
}

void TestOrderEntry::newOrder_data()
{
    QTest::addColumn<bool>("saved");
    QTest::addColumn<QString>("box"); // where the clerk changes something
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("answer"); // 0: no question expected
    QTest::newRow("untouched: no question") << false << "Text2"
                                            << "" << 0 << 0;
    QTest::newRow("saved and unchanged: no question") << true << "Text2"
                                                      << "" << 1 << 0;
    QTest::newRow("typed after save, Nej keeps it") << true << "Text2"
                                                    << "Ny kund" << 0 << int(ui::vbNo);
    QTest::newRow("lines never saved, Ja leaves them") << false << "Text2"
                                                       << "" << 2 << int(ui::vbYes);
    QTest::newRow("supplier number typed after save, Nej keeps it") << true << "txtLevNr"
                                                                    << "1008" << 0 << int(ui::vbNo);
    // No supplier list here: every number typed is unknown and marked.
    QTest::newRow("unknown supplier number typed, Ja leaves it and its mark") << false << "txtLevNr"
                                                                              << "1008" << 0 << int(ui::vbYes);
    QTest::newRow("supplier name picked after save, Nej keeps it") << true << "dbLevName"
                                                                   << "Beijer Bygg" << 0 << int(ui::vbNo);
}

void TestOrderEntry::newOrder()
{
    QFETCH(bool, saved);
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(int, lines);
    QFETCH(int, answer);
    m_folder->write("Order/Lista.log", "");
    frmZelOrderNew* window = openOrderWindow();
    frmAdd* dialog = lines > 0 ? openAddDialog(window) : nullptr;
    for (int i = 0; i < lines; ++i) {
        testsupport::typeText(find(dialog, "Text1"), "A" + QString::number(i));
        ui::MessageBoxScript::answerNext(i + 1 < lines ? ui::vbYes : ui::vbNo);
        click(dialog, "Command1");
    }
    if (saved) {
        ui::MessageBoxScript::answerNext(ui::vbOK);
        click(window, "Command6");
    }
    if (auto* label = window->findChild<QLabel*>(box))
        label->setText(typed); // as the supplier picker does
    else
        testsupport::typeText(find(window, box), typed);
    const QString number = text(window, "dbOrderNr");
    if (answer)
        ui::MessageBoxScript::answerNext(answer);
    const int boxes = int(ui::MessageBoxScript::shown().size());
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    find(window, "Command6")->setFocus(); // as after "Spara"
    QTest::keyClick(window, Qt::Key_N, Qt::ControlModifier);

    QCOMPARE(int(ui::MessageBoxScript::shown().size()), boxes + (answer ? 1 : 0));
    const bool kept = answer == ui::vbNo;
    if (answer) {
        QCOMPARE(ui::MessageBoxScript::shown().constLast().style, 292); // Yes/No, question, Nej the default
        QCOMPARE(ui::MessageBoxScript::shown().constLast().defaultAnswer, int(ui::vbNo));
    }
    QCOMPARE(text(window, "dbOrderNr") == number, kept);
    // A new order is typed from "Kund nr" on, so Enter does not save it empty.
    QCOMPARE(QApplication::focusWidget()->objectName(), kept ? "Command6" : "Text1");
    QCOMPARE(text(window, box), kept ? typed : QString());
    QCOMPARE(find<QLabel>(window, "lblLevOkand")->isVisible(), kept && box == "txtLevNr");
    QCOMPARE(text(window, "dbStatus"), kept ? QString("1, Created not printed") : QString("0"));
    QCOMPARE(find<ui::ReportListView>(window, "ListView1")->rowCount(), kept ? lines : 0);
    QCOMPARE(find<QAbstractButton>(window, "Command5")->isEnabled(), saved);
    QCOMPARE(m_folder->read("Order/Lista.log"), saved ? (number + "\r\n").toLatin1() : QByteArray());
}

void TestOrderEntry::supplierAddedMeanwhileIsKnown()
{
    frmZelOrderNew* window = openOrderWindow();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    auto* number = find<QLineEdit>(window, "txtLevNr");
    number->setFocus();
    testsupport::typeText(number, "7777");
    // The clerk adds the supplier to the list, comes back to the box and types the number again.
    m_folder->write("System/Leverantorer.log", "\xc5kessons Tr\xe4,7777\r\n");
    find(window, "Text1")->setFocus();
    number->setFocus();
    number->clear();
    testsupport::typeText(number, "7777");
    QCOMPARE(text(window, "dbLevName"), QStringLiteral("Åkessons Trä"));
    QVERIFY(!find(window, "lblLevOkand")->isVisible());
}

void TestOrderEntry::changeLine()
{
    frmZelOrderNew* window = openOrderWindow();
    const QString basket = "Order/" + text(window, "dbOrderNr") + ".OrderBasket.log";
    frmAdd* dialog = openAddDialog(window);
    for (int i = 0; i < 2; ++i) { // two equal lines: the second one changes
        testsupport::typeText(find(dialog, "Text1"), "A1");
        ui::MessageBoxScript::answerNext(i == 0 ? ui::vbYes : ui::vbNo);
        click(dialog, "Command1");
    }
    auto* list = find<ui::ReportListView>(window, "ListView1");
    list->selectRow(1);
    const QPoint second = list->visualRect(list->model()->index(1, 0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, second);
    dialog = frmAdd::existing();
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(dialog->windowTitle(), QString("Ändra orderrad"));
    QCOMPARE(text(dialog, "Text1"), QString("A1"));
    testsupport::typeText(find(dialog, "Text3"), "2,50");
    const int boxes = int(ui::MessageBoxScript::shown().size());
    click(dialog, "Command1");

    QCOMPARE(int(ui::MessageBoxScript::shown().size()), boxes); // no add-line question
    QVERIFY(!frmAdd::existing());
    QCOMPARE(list->subItem(1, 2), QString("2,50"));
    QCOMPARE(m_folder->read(basket),
             QByteArray("\"A1\",\"\",\"\",\"\",\"ST\"\r\n\"A1\",\"\",\"2,50\",\"\",\"ST\"\r\n"));
}

void TestOrderEntry::statusAndTotal()
{
    m_folder->write("System/Orderstatus.log", "0,Ny\r\n3,Skickad\r\n");
    frmZelOrderNew* window = openOrderWindow();
    const QString number = text(window, "dbOrderNr");
    frmAdd* dialog = openAddDialog(window);
    for (const char* price : {"2,50", "1 200", "ca 5"}) {
        testsupport::typeText(find(dialog, "Text3"), price);
        testsupport::typeText(find(dialog, "Text4"), "2");
        ui::MessageBoxScript::answerNext(ui::vbYes);
        click(dialog, "Command1");
    }
    click(dialog, "Command2");
    QCOMPARE(find<QLabel>(window, "Panel1")->text(),
             QString("Summa: 2 405,00 (1 rad utan pris eller antal är inte medräknad)"));

    // A status picked before the first save is not saved by the small "Spara".
    click(window, "Command8");
    frmOrderStatus* picker = frmOrderStatus::existing();
    picker->ListView1->selectRow(1);
    ui::MessageBoxScript::answerNext(ui::vbYes);
    click(picker, "Command1");
    click(window, "Command9");
    QVERIFY(!m_folder->exists("Order/" + number + ".OrderData.log"));

    ui::MessageBoxScript::answerNext(ui::vbOK);
    click(window, "Command6");
    click(window, "Command8");
    picker = frmOrderStatus::existing();
    picker->ListView1->selectRow(1);
    ui::MessageBoxScript::answerNext(ui::vbYes);
    click(picker, "Command1");
    ui::MessageBoxScript::answerNext(ui::vbOK);
    click(window, "Command9");
    QCOMPARE(m_folder->read("Order/" + number + ".OrderData.log").split('\n').at(7), QByteArray("3, Skickad\r"));

    // A later save keeps the status saved since; one picked and not yet saved goes with the save.
    ui::MessageBoxScript::answerNext(ui::vbOK);
    click(window, "Command6");
    QCOMPARE(m_folder->read("Order/" + number + ".OrderData.log").split('\n').at(7), QByteArray("3, Skickad\r"));
    click(window, "Command8");
    picker = frmOrderStatus::existing();
    picker->ListView1->selectRow(0);
    ui::MessageBoxScript::answerNext(ui::vbYes);
    click(picker, "Command1");
    ui::MessageBoxScript::answerNext(ui::vbOK);
    click(window, "Command6");
    QCOMPARE(m_folder->read("Order/" + number + ".OrderData.log").split('\n').at(7), QByteArray("0, Ny\r"));
    QCOMPARE(m_folder->read("Order/Lista.log"), number.toLatin1() + "\r\n");
}

void TestOrderEntry::remembersArticles()
{
    writeTwoOrders(*m_folder);
    rememberOrders();
    frmZelOrderNew* window = openOrderWindow();
    testsupport::typeText(window->txtLevNr, "1008");
    frmAdd* dialog = openAddDialog(window);
    QVERIFY(QTest::qWaitForWindowActive(dialog));

    // Offered as typed, the order's supplier's first; Esc closes the list and leaves the dialog open.
    testsupport::typeText(dialog->Text1, "a");
    QCOMPARE(offered(dialog->Text1), QStringList({"A-100", "A-101"}));
    QTest::keyClick(keysOf(dialog->Text1), Qt::Key_Escape);
    QCOMPARE(offered(dialog->Text1), QStringList());
    QCOMPARE(frmAdd::existing(), dialog);
    // Chosen with the keys: the supplier's own line, not the later one from another.
    testsupport::typeText(dialog->Text1, "-");
    QTest::keyClick(keysOf(dialog->Text1), Qt::Key_Down);
    QTest::keyClick(keysOf(dialog->Text1), Qt::Key_Return);
    QCOMPARE((QStringList{dialog->Text1->text(), dialog->Text2->text(), dialog->Text3->text(), dialog->Text4->text(),
                          dialog->Combo1->currentText()}),
             QStringList({"A-100", "Skruv 5 mm", "2,50", "", "ST"}));
    // Another number typed in full brings its own values in place of those filled in.
    dialog->Text1->clear();
    testsupport::typeText(dialog->Text1, "A-101");
    QTest::keyClick(keysOf(dialog->Text1), Qt::Key_Tab);
    QCOMPARE((QStringList{dialog->Text2->text(), dialog->Text3->text(), dialog->Combo1->currentText()}),
             QStringList({"Skruv 6 mm", "3,00", "ST"}));

    // What the clerk typed or picked in this line stays.
    dialog->Text1->clear();
    dialog->Text2->clear();
    testsupport::typeText(dialog->Text2, "Egen text");
    QTest::keyClick(dialog->Combo1, Qt::Key_Down);
    dialog->Text1->setFocus();
    testsupport::typeText(dialog->Text1, "A-100");
    QTest::keyClick(keysOf(dialog->Text1), Qt::Key_Tab);
    QCOMPARE((QStringList{dialog->Text2->text(), dialog->Text3->text(), dialog->Combo1->currentText()}),
             QStringList({"Egen text", "2,50", "PAR"}));

    // Saved, the order is the supplier's latest; changed with Ändra, it is remembered as changed.
    dialog->Text3->clear();
    testsupport::typeText(dialog->Text3, "2,60");
    ui::MessageBoxScript::answerNext(ui::vbNo);
    click(dialog, "Command1");
    ui::MessageBoxScript::answerNext(ui::vbOK);
    click(window, "Command6");
    window->ListView1->selectRow(0);
    click(window, "Command3");
    frmAdd::existing()->Text3->clear();
    testsupport::typeText(frmAdd::existing()->Text3, "2,65");
    click(frmAdd::existing(), "Command1");
    QCoreApplication::processEvents();
    dialog = openAddDialog(window);
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    testsupport::typeText(dialog->Text1, "A-100");
    QTest::keyClick(keysOf(dialog->Text1), Qt::Key_Tab);
    QCOMPARE((QStringList{dialog->Text2->text(), dialog->Text3->text(), dialog->Combo1->currentText()}),
             QStringList({"Egen text", "2,65", "PAR"}));
}

void TestOrderEntry::remembersCustomers()
{
    writeTwoOrders(*m_folder);
    rememberOrders();
    frmZelOrderNew* window = openOrderWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    window->Text1->setFocus();

    // By name as well as by number, the latest first; chosen, the number goes into the box.
    testsupport::typeText(window->Text1, "berg");
    QCOMPARE(offered(window->Text1), QStringList({"K-18  Bengt Berg", "K-17  Åsa Öberg"}));
    QTest::keyClick(keysOf(window->Text1), Qt::Key_Down);
    QTest::keyClick(keysOf(window->Text1), Qt::Key_Down);
    QTest::keyClick(keysOf(window->Text1), Qt::Key_Return);
    QCOMPARE((QStringList{window->Text1->text(), window->Text2->text(), window->Text3->text(), window->Text4->text()}),
             QStringList({"K-17", "Åsa Öberg", "08", "123 45 67"}));

    // Another number typed in full: what was filled in follows it, what the clerk typed stays.
    window->Text1->clear();
    window->Text4->clear();
    testsupport::typeText(window->Text4, "555");
    testsupport::typeText(window->Text1, "K-18");
    QTest::keyClick(keysOf(window->Text1), Qt::Key_Tab);
    QCOMPARE((QStringList{window->Text2->text(), window->Text3->text(), window->Text4->text()}),
             QStringList({"Bengt Berg", "031", "555"}));
    // A number never used brings nothing.
    window->Text1->clear();
    window->Text1->setFocus();
    testsupport::typeText(window->Text1, "K-1");
    QTest::keyClick(keysOf(window->Text1), Qt::Key_Tab);
    QCOMPARE((QStringList{window->Text2->text(), window->Text3->text(), window->Text4->text()}),
             QStringList({"Bengt Berg", "031", "555"}));
}

void TestOrderEntry::copiesOrder()
{
    writeTwoOrders(*m_folder);
    const QByteArray delivery = "\"2026-01-20\",\"1\",\"A-100\",\"10\"\r\n";
    m_folder->write("Order/100001.OrderDelivery.log", delivery);
    frmZelOrderNew* window = openOrderWindow();
    testsupport::typeText(window->Text2, "osparad");
    const QString first = window->dbOrderNr->text();
    window->mnuOppna->trigger();
    frmOrderLista* list = frmOrderLista::existing();
    list->List1->selectRow(0);

    // The order being typed is not left unasked.
    ui::MessageBoxScript::answerNext(ui::vbNo);
    QTest::mouseClick(list->cmdKopiera, Qt::LeftButton);
    QCOMPARE(ui::MessageBoxScript::shown().size(), 1);
    QCOMPARE(ui::MessageBoxScript::shown().constLast().prompt,
             QStringLiteral("Ordern har ändringar som inte är sparade.\rVill du lämna den ändå ?"));
    QCOMPARE((QStringList{window->dbOrderNr->text(), window->Text2->text()}), QStringList({first, "osparad"}));
    ui::MessageBoxScript::answerNext(ui::vbYes);
    QTest::mouseClick(list->cmdKopiera, Qt::LeftButton);

    const QString copy = window->dbOrderNr->text();
    QVERIFY(copy != first && copy != "100001" && !copy.isEmpty());
    const QString today = QDate::currentDate().toString(Qt::ISODate);
    QCOMPARE((QStringList{window->Text1->text(), window->Text2->text(), window->Text3->text(), window->Text4->text(),
                          window->dbOrderDag->text(), window->dbStatus->text(), window->txtLevNr->text(),
                          window->dbLevName->text()}),
             QStringList({"K-17", "Åsa Öberg", "08", "123 45 67", today, "0", "1008", "Åkessons"}));
    QCOMPARE((QStringList{window->ListView1->itemText(1), window->ListView1->subItem(1, 1),
                          window->ListView1->subItem(1, 3)}),
             QStringList({"B-200", "Bult M8", "5"}));
    QCOMPARE(window->StatusBar1->currentMessage(),
             QStringLiteral("Kopia av order 100001. Den sparas som en ny order med Spara."));
    // The lines are the copy's own from the start; nothing was received on them.
    QCOMPARE(m_folder->read("Order/" + copy + ".OrderBasket.log"),
             QByteArray("\"A-100\",\"Skruv 5 mm\",\"2,50\",\"10\",\"ST\"\r\n"
                        "\"B-200\",\"Bult M8\",\"4,00\",\"5\",\"ST\"\r\n"));
    QVERIFY(!m_folder->exists("Order/" + copy + ".OrderDelivery.log"));
    QVERIFY(!m_folder->exists("Order/" + copy + ".OrderData.log"));
    QVERIFY(window->hasUnsavedChanges());

    ui::MessageBoxScript::answerNext(ui::vbOK);
    click(window, "Command6");
    QCOMPARE(m_folder->read("Order/" + copy + ".OrderData.log"),
             "K-17\r\n\xc5sa \xd6"
             "berg\r\n08\r\n123 45 67\r\n" +
                 copy.toLatin1() + "\r\n" + today.toLatin1() +
                 "\r\nORDERMOTTAGARE\r\n1, Created not printed\r\n1008\r\n\xc5kessons\r\n");
    QCOMPARE(m_folder->read("Order/Lista.log"), "100001\r\n200002\r\n" + copy.toLatin1() + "\r\n");
    // The order copied is as it was, byte for byte.
    QCOMPARE(m_folder->read("Order/100001.OrderData.log"),
             QByteArray("K-17\r\n\xc5sa \xd6"
                        "berg\r\n08\r\n123 45 67\r\n100001\r\n2026-01-10\r\nS\r\n1\r\n1008\r\n\xc5kessons\r\n"));
    QCOMPARE(m_folder->read("Order/100001.OrderBasket.log"),
             QByteArray("\"A-100\",\"Skruv 5 mm\",\"2,50\",\"10\",\"ST\"\r\n"
                        "\"B-200\",\"Bult M8\",\"4,00\",\"5\",\"ST\"\r\n"));
    QCOMPARE(m_folder->read("Order/100001.OrderDelivery.log"), delivery);
}

QTEST_MAIN(TestOrderEntry)
#include "tst_order_entry.moc"
