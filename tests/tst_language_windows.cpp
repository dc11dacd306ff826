#include "data/data_texts.h"
#include "data/order_total.h"
#include "language/language_loader.h"
#include "language/language_table.h"
#include "language/language_window.h"
#include "order_entry/add_line_dialog.h"
#include "order_entry/new_order_window.h"
#include "order_entry/splash_window.h"
#include "order_register/delivery_dialog.h"
#include "order_register/order_list_window.h"
#include "order_register/order_print_preview.h"
#include "pickers/company_details_window.h"
#include "pickers/status_picker.h"
#include "pickers/supplier_list_window.h"
#include "pickers/supplier_picker.h"
#include "test_support.h"
#include "ui/message_box.h"
#include "ui/report_list_view.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPrintPreviewDialog>
#include <QRegularExpression>
#include <QTableView>
#include <QTest>

namespace {
using testsupport::Window;

QWidget* open(Window window)
{
    return testsupport::openWindow(window);
}

// Every text a window can show, hidden message labels included, each after the name of the
// control that shows it.
QStringList shownTexts(QWidget* window)
{
    QStringList texts{QStringLiteral("title: ") + window->windowTitle()};
    const auto add = [&texts](const QObject* control, const QString& text) {
        texts << control->objectName() + QStringLiteral(": ") + text;
    };
    for (const QLabel* label : window->findChildren<QLabel*>())
        add(label, label->text());
    for (const QAbstractButton* button : window->findChildren<QAbstractButton*>())
        add(button, button->text());
    for (const QGroupBox* frame : window->findChildren<QGroupBox*>())
        add(frame, frame->title());
    for (const QMenu* menu : window->findChildren<QMenu*>()) {
        add(menu, menu->title());
        for (const QAction* item : menu->actions())
            add(item, item->text());
    }
    for (const QTableView* table : window->findChildren<QTableView*>())
        for (int column = 0; column < table->model()->columnCount(); ++column)
            add(table, table->model()->headerData(column, Qt::Horizontal).toString());
    // A preview shows the printout itself.
    if (auto* preview = qobject_cast<QPrintPreviewDialog*>(window))
        for (const QString& line : testsupport::printedPages(preview).join(QLatin1Char('\n')).split(QLatin1Char('\n')))
            if (!line.trimmed().isEmpty())
                add(preview, line.simplified());
    return texts;
}

QStringList swedishIn(const QStringList& texts)
{
    static const QRegularExpression swedish(
        QStringLiteral("[åäöÅÄÖ]|\\b(Arkiv|Avbryt|Spara|Namn|Kund|Antal|Enhet|Makulera|Leverera|Utskrift|Kopiera|"
                       "Endast|Orderlista|Ordernr|Artikelnr|Beskrivning|Rest|Summa|Bekräfta|Ja|Nej|Ny|Om|"
                       "Telefon|Nummer|Postadress|Levererad|Levererat|Orderdetaljer|Exportera|rader|rad)\\b"));
    QStringList found;
    for (const QString& text : texts)
        if (text.contains(swedish))
            found << text;
    return found;
}

QSet<int> numbersIn(const language::LanguageTable& table)
{
    QSet<int> numbers;
    for (int number = 1; number <= 999; ++number)
        if (!table.text(number).isEmpty())
            numbers.insert(number);
    return numbers;
}

QList<int> sorted(const QSet<int>& numbers)
{
    QList<int> list(numbers.cbegin(), numbers.cend());
    std::sort(list.begin(), list.end());
    return list;
}
} // namespace

class TestLanguageWindows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void shippedFilesHaveTheNumbersTheWindowsRead();
    void englishShowsNoSwedish_data();
    void englishShowsNoSwedish();
    void changedEntryShowsInItsWindow_data();
    void changedEntryShowsInItsWindow();
    void boxesFollowTheLanguage_data();
    void boxesFollowTheLanguage();

private:
    void chooseLanguage(const QString& name);

    std::unique_ptr<testsupport::AppFolder> m_folder;
};

void TestLanguageWindows::init()
{
    m_folder = std::make_unique<testsupport::AppFolder>();
    testsupport::resetForms();
    Module2::languageTable().clear();
    ui::Form::setAfterLoadHook({});
    ui::setEndHandler([] {});
    m_folder->write(QStringLiteral("System/Leverantorer.log"), "\"Ahlsell AB\",\"1001\"\r\n");
    m_folder->write(QStringLiteral("System/Orderstatus.log"), "\"0\",\"New\"\r\n");
    testsupport::writeTwoSavedOrders(*m_folder);
    m_folder->copyShipped(QStringLiteral("System/Language/Svenska.lng"));
    m_folder->copyShipped(QStringLiteral("System/Language/English.lng"));
}

void TestLanguageWindows::cleanup()
{
    QCOMPARE(ui::MessageBoxScript::unexpected(), 0);
    testsupport::resetForms();
    ui::Form::setAfterLoadHook({});
    // What the language handed over for every later box and preview goes back to the program's own words.
    Module2::languageTable().clear();
    ui::setAnswerWords(QStringLiteral("Ja"), QStringLiteral("Nej"));
    previewTexts() = PreviewTexts{};
    data::totalWords() = data::TotalWords{};
    data::resetDataTexts();
    m_folder.reset();
}

void TestLanguageWindows::chooseLanguage(const QString& name)
{
    frmSetLanguage* window = frmSetLanguage::instance();
    window->Combo1->setCurrentIndex(window->Combo1->findText(name));
    QTest::mouseClick(window->Command1, Qt::LeftButton);
    QCOMPARE(Module2::LangText(0), QStringLiteral("LANGUAGE FILE ") + name);
}

void TestLanguageWindows::shippedFilesHaveTheNumbersTheWindowsRead()
{
    // The language window offers both shipped files, and no hidden or other file.
    m_folder->write(QStringLiteral("System/Language/.Dold.lng"), "000 LANGUAGE FILE .Dold\r\n");
    m_folder->write(QStringLiteral("System/Language/Notes.txt"), "000 LANGUAGE FILE Notes\r\n");
    QComboBox* languages = frmSetLanguage::instance()->Combo1;
    QCOMPARE(QStringList({languages->itemText(0), languages->itemText(1)}), QStringList({"English", "Svenska"}));
    QCOMPARE(languages->count(), 2);
    QCOMPARE(languages->currentText(), QStringLiteral("Svenska"));
    chooseLanguage(QStringLiteral("Svenska"));
    for (Window window : {Window::Splash, Window::NewOrder, Window::AddLine, Window::Suppliers, Window::Statuses,
                          Window::OrderList, Window::Delivery, Window::SupplierList, Window::Company})
        QVERIFY(open(window));
    const QSet<int> shipped = numbersIn(Module2::languageTable());
    QSet<int> asked = Module2::askedTextNumbers();
    asked.remove(0);
    QCOMPARE(sorted(asked), sorted(shipped));
    QCOMPARE(shipped.size(), 295);

    language::LanguageTable english;
    QCOMPARE(language::loadLanguageTable(m_folder->file(QStringLiteral("System/Language/English.lng")), english,
                                         [] { return std::optional<QString>(QStringLiteral("English")); }),
             qint16(0));
    QCOMPARE(sorted(numbersIn(english)), sorted(shipped));
}

void TestLanguageWindows::englishShowsNoSwedish_data()
{
    QTest::addColumn<Window>("window");
    QTest::newRow("splash") << Window::Splash;
    QTest::newRow("new order") << Window::NewOrder;
    QTest::newRow("add line") << Window::AddLine;
    QTest::newRow("suppliers") << Window::Suppliers;
    QTest::newRow("statuses") << Window::Statuses;
    QTest::newRow("order list") << Window::OrderList;
    QTest::newRow("delivery") << Window::Delivery;
    QTest::newRow("supplier list") << Window::SupplierList;
    QTest::newRow("company details") << Window::Company;
    QTest::newRow("print preview") << Window::Preview;
}

void TestLanguageWindows::englishShowsNoSwedish()
{
    QFETCH(Window, window);
    chooseLanguage(QStringLiteral("English"));
    QWidget* shown = open(window);
    QVERIFY(shown);
    const QStringList texts = shownTexts(shown);
    QVERIFY(texts.size() >= 3);
    QCOMPARE(swedishIn(texts), QStringList());
    QCOMPARE(ui::answerWords(), QStringList({QStringLiteral("Yes"), QStringLiteral("No")}));
}

void TestLanguageWindows::changedEntryShowsInItsWindow_data()
{
    QTest::addColumn<Window>("window");
    QTest::addColumn<QByteArray>("entry");
    QTest::addColumn<QString>("shown"); // the control's name and what it shows

    QTest::newRow("splash") << Window::Splash << QByteArray("101 Zyx") << "Label2: Zyx";
    QTest::newRow("new-order menu") << Window::NewOrder << QByteArray("229 Zyx") << "mnuArkiv: &Zyx";
    QTest::newRow("new-order help") << Window::NewOrder << QByteArray("236 Zyx") << "mnuOm: &Zyx";
    QTest::newRow("add-line notice") << Window::AddLine << QByteArray("411 Zyx") << "msg4: Zyx";
    QTest::newRow("order list") << Window::OrderList << QByteArray("504 Zyx") << "chkEjLevererade: &Zyx";
    QTest::newRow("order list register") << Window::OrderList << QByteArray("533 Zyx") << "List1: Zyx";
    QTest::newRow("delivery") << Window::Delivery << QByteArray("601 Zyx") << "lblDatum: Zyx";
    QTest::newRow("delivery header") << Window::Delivery << QByteArray("607 Zyx") << "tblRader: Zyx";
    QTest::newRow("supplier list") << Window::SupplierList << QByteArray("703 Zyx") << "lblNamn: Zyx";
    QTest::newRow("company details") << Window::Company << QByteArray("809 Zyx") << "chkExklMoms: Zy&x";
    QTest::newRow("status picker") << Window::Statuses << QByteArray("903 Zyx") << "Command1: &Zyx";
    QTest::newRow("print preview") << Window::Preview << QByteArray("960 Zyx %1") << "title: Zyx 100001";
    QTest::newRow("total") << Window::NewOrder << QByteArray("952 Zyx %1") << "Panel1: Zyx 0,00";
}

void TestLanguageWindows::changedEntryShowsInItsWindow()
{
    QFETCH(Window, window);
    QFETCH(QByteArray, entry);
    QFETCH(QString, shown);
    // A later line for the same number replaces the shipped one.
    const QString path = QStringLiteral("System/Language/Svenska.lng");
    m_folder->write(path, m_folder->read(path) + entry + "\r\n");
    chooseLanguage(QStringLiteral("Svenska"));
    const QStringList texts = shownTexts(open(window));
    QVERIFY2(texts.contains(shown), qPrintable(texts.join(QStringLiteral(" | "))));
}

void TestLanguageWindows::boxesFollowTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("menu");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("refusal"); // put together in the data layer from two entries
    QTest::newRow("Svenska") << "Svenska" << QStringList{"&Hjälp", "&Om ZEL2007"}
                             << "ZEL2007 Beställningar\rVersion 9.8.7\rProgrammapp: %1"
                             << "Om ZEL2007"
                             << "Namnet får inte innehålla citattecken (\"): listan kan inte spara dem.";
    QTest::newRow("English") << "English" << QStringList{"&Help", "Ab&out ZEL2007"}
                             << "ZEL2007 Purchase orders\rVersion 9.8.7\rApplication folder: %1"
                             << "About ZEL2007"
                             << "The name must not contain quotation marks (\"): the list cannot store them.";
}

void TestLanguageWindows::boxesFollowTheLanguage()
{
    QFETCH(QString, language);
    QFETCH(QStringList, menu);
    QFETCH(QString, prompt);
    QFETCH(QString, title);
    QFETCH(QString, refusal);
    QApplication::setApplicationVersion(QStringLiteral("9.8.7"));
    chooseLanguage(language);
    frmZelOrderNew* order = frmZelOrderNew::instance();
    QCOMPARE(QStringList({order->mnuHjalp->title(), order->mnuOm->text()}), menu);
    QCOMPARE(order->menuBar->actions().last(), order->mnuHjalp->menuAction());

    ui::MessageBoxScript::answerNext(ui::vbOK);
    order->mnuOm->trigger();
    QCOMPARE(ui::MessageBoxScript::shown().size(), 1);
    QCOMPARE(ui::MessageBoxScript::shown().at(0).prompt, prompt.arg(QDir::toNativeSeparators(m_folder->path())));
    QCOMPARE(ui::MessageBoxScript::shown().at(0).title, title);
    QCOMPARE(ui::MessageBoxScript::shown().at(0).style, int(ui::vbOKOnly + ui::vbInformation));

    frmLeverantorLista* list = frmLeverantorLista::instance();
    list->txtNamn->setText(QStringLiteral("Ahlsell \"AB\""));
    list->txtNummer->setText(QStringLiteral("1002"));
    ui::MessageBoxScript::answerNext(ui::vbOK);
    list->cmdLaggTill->click();
    QCOMPARE(ui::MessageBoxScript::shown().last().prompt, refusal);
}

QTEST_MAIN(TestLanguageWindows)
#include "tst_language_windows.moc"
