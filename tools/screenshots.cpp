// zel_screenshots FOLDER OUTPUT
// Opens every window of the program on the data folder FOLDER (System and Order as shipped) the way a
// clerk would, and saves a PNG of each into OUTPUT. Sample orders, a delivery and the buyer's details
// are written through the same data functions the program saves with, so the pictures show what the
// program really shows. The printout goes to FOLDER/printout.pdf for the script to make a page of it.
#include "data/app_folder.h"
#include "data/company_details.h"
#include "data/order_delivery.h"
#include "data/order_files.h"
#include "language/language_window.h"
#include "order_entry/add_line_dialog.h"
#include "order_entry/new_order_window.h"
#include "order_entry/splash_window.h"
#include "order_register/delivery_dialog.h"
#include "order_register/order_list_window.h"
#include "pickers/company_details_window.h"
#include "pickers/status_picker.h"
#include "pickers/supplier_list_window.h"
#include "pickers/supplier_picker.h"
#include "ui/fonts.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <cstdio>

namespace {

QString g_folder;
QString g_output;
int g_failures = 0;

void fail(const QString& what)
{
    std::fprintf(stderr, "zel_screenshots: %s\n", qPrintable(what));
    ++g_failures;
}

void settle()
{
    for (int i = 0; i < 5; ++i) {
        QApplication::processEvents();
        QTest::qWait(40);
    }
}

void save(QWidget* widget, const QString& name)
{
    if (!widget || !widget->isVisible()) {
        fail(QStringLiteral("%1: the window is not shown").arg(name));
        return;
    }
    widget->window()->raise();
    widget->window()->activateWindow();
    settle();
    const QString path = g_output + QLatin1Char('/') + name + QStringLiteral(".png");
    if (!widget->grab().save(path))
        fail(QStringLiteral("%1: cannot write %2").arg(name, path));
}

template <class T> T* child(QWidget* window, const char* name)
{
    T* found = window ? window->findChild<T*>(QString::fromLatin1(name)) : nullptr;
    if (!found)
        fail(QStringLiteral("no control %1").arg(QString::fromLatin1(name)));
    return found;
}

void click(QWidget* window, const char* button)
{
    if (auto* found = child<QAbstractButton>(window, button))
        found->click();
    settle();
}

void trigger(QWidget* window, const char* menuItem)
{
    if (auto* found = child<QAction>(window, menuItem))
        found->trigger();
    settle();
}

void type(QWidget* window, const char* box, const QString& text)
{
    if (auto* found = child<QLineEdit>(window, box)) {
        found->setFocus();
        found->clear();
        // Typed key by key as the clerk would; keyClicks() only knows ASCII, so å, ä, ö go as text.
        for (const QChar ch : text)
            QTest::sendKeyEvent(QTest::Click, found, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

// Selects the first row of a list whose cells hold `text`.
void choose(QWidget* window, const char* list, const QString& text)
{
    auto* view = child<QAbstractItemView>(window, list);
    if (!view)
        return;
    const QAbstractItemModel* model = view->model();
    for (int row = 0; row < model->rowCount(); ++row)
        for (int column = 0; column < model->columnCount(); ++column)
            if (model->index(row, column).data().toString() == text) {
                view->setFocus();
                view->setCurrentIndex(model->index(row, 0));
                settle();
                return;
            }
    fail(QStringLiteral("%1 holds no %2").arg(QString::fromLatin1(list), text));
}

// Message boxes are modal: a timer answers each with its default button (OK, or Yes to a
// confirmation), photographing it first when a picture of the next one is wanted.
QString g_nextBoxPicture;

void answerMessageBoxes()
{
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, qApp, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        if (!g_nextBoxPicture.isEmpty()) {
            save(box, g_nextBoxPicture);
            g_nextBoxPicture.clear();
        }
        if (QAbstractButton* answer = box->defaultButton())
            answer->click();
        else if (!box->buttons().isEmpty())
            box->buttons().constFirst()->click();
    });
    poll->start(50);
}

data::OrderLine line(const char* article, const char* description, const char* price, const char* quantity,
                     const char* unit)
{
    return {QString::fromUtf8(article), QString::fromUtf8(description), QString::fromUtf8(price),
            QString::fromUtf8(quantity), QString::fromUtf8(unit)};
}

void addLine(frmZelOrderNew* order, const data::OrderLine& line, const QString& picture)
{
    click(order, "Command2");
    frmAdd* add = frmAdd::existing();
    if (!add) {
        fail(QStringLiteral("the add-line dialog did not open"));
        return;
    }
    type(add, "Text1", line.articleNumber);
    type(add, "Text2", line.description);
    type(add, "Text3", line.unitPrice);
    type(add, "Text4", line.quantity);
    if (auto* unit = child<QComboBox>(add, "Combo1")) {
        unit->setCurrentIndex(unit->findText(line.unit));
        if (unit->currentIndex() < 0)
            fail(QStringLiteral("the add-line dialog has no unit %1").arg(line.unit));
    }
    if (!picture.isEmpty())
        save(add, picture);
    click(add, "Command1");
}

// `header` holds the order data file's values but the order number, separated by '|'.
void writeSampleOrder(const QString& number, const char* header, const QVector<data::OrderLine>& lines)
{
    QStringList values = QString::fromUtf8(header).split(QLatin1Char('|'));
    values.insert(4, number);
    QString error;
    bool ok = data::writeOrderData(number, values, &error);
    for (const data::OrderLine& line : lines)
        ok = ok && data::appendOrderLine(number, line, &error);
    ok = ok && data::listOrderOnce(number, &error);
    if (!ok)
        fail(QStringLiteral("sample order %1: %2").arg(number, error));
}

// What arrived of each line (position, article number, quantity) on one day.
void recordSampleDelivery(const QString& number, const char* date, const QVector<data::DeliveryRecord>& arrived)
{
    QVector<data::DeliveryRecord> records = arrived;
    for (data::DeliveryRecord& record : records)
        record.date = QString::fromLatin1(date);
    QString status, note, error;
    if (!data::recordDelivery(number, records, &status, &note, &error) || !note.isEmpty())
        fail(QStringLiteral("sample delivery %1: %2%3").arg(number, error, note));
}

// The partly delivered order, which the register and the Leverera dialog show.
const QString kPartlyDelivered = QStringLiteral("3134593");

void writeSamples()
{
    // Order numbers are weekday, hour, minute, second and weekday, as the program gives them.
    writeSampleOrder(QStringLiteral("2814322"),
                     "5120|Bygg & Fönster i Umeå AB|090|12 34 56|2026-11-23|ORDERMOTTAGARE|2, Utskriven|1005|"
                     "Förvaltnings AB Järnia",
                     {line("FG-1210", "Fönsterbänk ek 1200 mm", "645,00", "6", "ST"),
                      line("LM-250", "Lister vit 2,5 m", "38,90", "40", "ST")});
    recordSampleDelivery(QStringLiteral("2814322"), "2026-11-30",
                         {{{}, 1, QStringLiteral("FG-1210"), QStringLiteral("6")},
                          {{}, 2, QStringLiteral("LM-250"), QStringLiteral("40")}});
    writeSampleOrder(QStringLiteral("5103175"),
                     "7731|Café Émile i Örebro|019|70 80 90|2026-11-26|ORDERMOTTAGARE|3, Skickad till leverantör|"
                     "1006|Göteborgs Färghandel",
                     {line("TF-10", "Täckfärg vit 10 l", "1 189,00", "2", "ST"),
                      line("PR-3", "Pensel rund nr 3", "74,50", "5", "ST")});
    writeSampleOrder(kPartlyDelivered,
                     "4410|Ängelholms Måleri|0431|22 33 44|2026-12-01|ORDERMOTTAGARE|2, Utskriven|1008|"
                     "Åkessons Trä & Bygg",
                     {line("GK-1325", "Gipsskiva 13 mm 1200x2500", "89,50", "40", "ST"),
                      line("RG-4595", "Regel 45x95 C24 3,6 m", "118,40", "120", "ST"),
                      line("SK-1000", "Gipsskruv 3,9x25 1000 st", "149,00", "3", "FRP")});
    recordSampleDelivery(kPartlyDelivered, "2026-12-04",
                         {{{}, 1, QStringLiteral("GK-1325"), QStringLiteral("40")},
                          {{}, 2, QStringLiteral("RG-4595"), QStringLiteral("80")}});
    writeSampleOrder(QStringLiteral("5927415"),
                     "6002|Ödeshögs Snickeri|0144|10 20 30|2026-12-03|ORDERMOTTAGARE|1, Skapad, ej utskriven|1009|"
                     "Öresunds Plåt AB",
                     {line("PL-05", "Plåt förzinkad 0,5 mm 1x2 m", "412,00", "10", "ST"),
                      line("SP-45", "Spik varmförzinkad 45 mm", "64,00", "5", "KG")});

    const QStringList company = QString::fromUtf8("Järnhandel Östergren AB|Storgatan 12|582 23 Linköping|"
                                                  "556677-8899|SE556677889901|013-12 34 56|inkop@ostergren.se|"
                                                  "Lager: Industrigatan 4, 582 77 Linköping|exkl. moms")
                                    .split(QLatin1Char('|'));
    QString error;
    if (!data::writeCompanyDetails(data::CompanyDetails::fromLines(company), &error))
        fail(QStringLiteral("company details: %1").arg(error));
}

// Language window, splash, and the new order with its pickers and dialogs, saved at the end.
frmZelOrderNew* enterOrder()
{
    frmSetLanguage* language = frmSetLanguage::instance();
    language->showForm();
    save(language, QStringLiteral("language"));
    click(language, "Command1");
    save(frmSplash::existing(), QStringLiteral("splash"));

    if (!QTest::qWaitFor([] { return frmZelOrderNew::existing() && frmZelOrderNew::existing()->isVisible(); }, 15000)) {
        fail(QStringLiteral("the new-order window did not follow the splash"));
        return nullptr;
    }
    frmZelOrderNew* order = frmZelOrderNew::existing();
    type(order, "Text1", QStringLiteral("3318"));
    type(order, "Text2", QString::fromUtf8("Rörläggare Öberg & Son"));
    type(order, "Text3", QStringLiteral("08"));
    type(order, "Text4", QStringLiteral("555 123 45"));

    // A number no supplier has is marked in the name's place.
    type(order, "txtLevNr", QStringLiteral("2040"));
    settle();
    save(child<QWidget>(order, "Frame2"), QStringLiteral("unknown-supplier"));

    click(order, "Command1");
    frmLeverantor* suppliers = frmLeverantor::existing();
    choose(suppliers, "ListView1", QString::fromUtf8("Västkust VVS"));
    save(suppliers, QStringLiteral("supplier-picker"));
    if (suppliers)
        click(suppliers, "Command1");

    click(order, "Command8");
    frmOrderStatus* statuses = frmOrderStatus::existing();
    choose(statuses, "ListView1", QStringLiteral("1"));
    save(statuses, QStringLiteral("status-picker"));
    if (statuses)
        click(statuses, "Command2");

    addLine(order, line("PEX-16", "PEX-rör 16 mm 50 m", "412,00", "4", "ST"), {});
    addLine(order, line("KOP-15", "Kopparrör 15 mm 3 m", "289,50", "8", "ST"), {});
    addLine(order, line("BV-22", "Kulventil 22 mm", "185,00", "6", "ST"), QStringLiteral("add-line"));
    save(order, QStringLiteral("new-order"));

    g_nextBoxPicture = QStringLiteral("message-box");
    click(order, "Command6");
    settle();
    return order;
}

// The Arkiv menu, then the supplier list and the buyer's details from it, each closed again.
void archiveWindows(frmZelOrderNew* order)
{
    if (auto* menu = child<QMenu>(order, "mnuArkiv")) {
        menu->popup(order->mapToGlobal(QPoint(0, 0)));
        settle();
        save(menu, QStringLiteral("arkiv-menu"));
        menu->hide();
        settle();
    }
    trigger(order, "mnuLeverantorer");
    frmLeverantorLista* list = frmLeverantorLista::existing();
    choose(list, "ListView1", QString::fromUtf8("Åkessons Trä & Bygg"));
    save(list, QStringLiteral("supplier-list"));
    if (list)
        click(list, "cmdStang");

    trigger(order, "mnuForetag");
    frmForetag* company = frmForetag::existing();
    save(company, QStringLiteral("company-details"));
    if (company)
        click(company, "cmdAvbryt");
}

// Prints the shown order to FOLDER/printout.pdf through the print preview's own painting, then closes
// the preview without printing, so the order keeps its status.
void printOrder(frmOrderLista* orders)
{
    click(orders, "Command7");
    QPrintPreviewDialog* preview = nullptr;
    const auto opened = [&] {
        preview = orders->findChild<QPrintPreviewDialog*>(QStringLiteral("printPreview"));
        return preview != nullptr;
    };
    if (!QTest::qWaitFor(opened, 5000)) {
        fail(QStringLiteral("the print preview did not open"));
        return;
    }
    settle();
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(g_folder + QStringLiteral("/printout.pdf"));
    pdf.setPageLayout(preview->printer()->pageLayout());
    Q_EMIT preview->paintRequested(&pdf);
    preview->reject();
    settle();
}

void shootRegister(frmZelOrderNew* order)
{
    trigger(order, "mnuOppna");
    frmOrderLista* orders = frmOrderLista::existing();
    auto* list = orders ? child<QTableView>(orders, "List1") : nullptr;
    if (!list)
        return;
    // The orders' dates, customers and amounts are read in the background.
    QAbstractItemModel* model = list->model();
    if (!QTest::qWaitFor(
            [model] {
                for (int row = 0; row < model->rowCount(); ++row)
                    if (model->index(row, model->columnCount() - 1).data().toString().isEmpty())
                        return false;
                return model->rowCount() > 0;
            },
            10000))
        fail(QStringLiteral("the register's rows were not all read"));
    // A click on the Leverantör header sorts by supplier, Å and Ö last as in Swedish.
    QHeaderView* header = list->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(3) + 10, header->height() / 2));
    settle();
    choose(orders, "List1", kPartlyDelivered);
    click(orders, "Command1");
    save(orders, QStringLiteral("order-list"));

    click(orders, "Command5");
    frmLeverera* delivery = frmLeverera::existing();
    save(delivery, QStringLiteral("delivery"));
    if (delivery)
        click(delivery, "Command2");

    printOrder(orders);
}

void run()
{
    writeSamples();
    answerMessageBoxes();
    if (frmZelOrderNew* order = enterOrder()) {
        archiveWindows(order);
        shootRegister(order);
    }
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: zel_screenshots FOLDER OUTPUT\n");
        return 2;
    }
    g_folder = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    data::setApplicationFolder(g_folder);
    g_output = QDir(QString::fromLocal8Bit(argv[2])).absolutePath();
    QApplication::setQuitOnLastWindowClosed(false);
    // A steady text cursor, so that a picture does not depend on when the cursor blinked.
    QApplication::setCursorFlashTime(0);
    ui::registerFonts();
    QApplication::setFont(ui::formFont());

    QTimer::singleShot(0, &app, [] {
        run();
        QApplication::exit(g_failures == 0 ? 0 : 1);
    });
    return QApplication::exec();
}
