// zel_screenshots FOLDER OUTPUT
// Opens every window of the program on the data folder FOLDER (System and Order as shipped) the way a
// clerk would, and saves a PNG of each into OUTPUT. Sample orders are written through the same data
// functions the program saves with, so the pictures show what the program really shows.
#include "data/app_folder.h"
#include "data/order_files.h"
#include "language/language_window.h"
#include "order_entry/add_line_dialog.h"
#include "order_entry/new_order_window.h"
#include "order_entry/splash_window.h"
#include "order_register/order_list_window.h"
#include "pickers/status_picker.h"
#include "pickers/supplier_picker.h"
#include "ui/fonts.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <cstdio>

namespace {

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

void save(QWidget* window, const QString& name)
{
    if (!window || !window->isVisible()) {
        fail(QStringLiteral("%1: the window is not shown").arg(name));
        return;
    }
    window->raise();
    window->activateWindow();
    settle();
    const QString path = g_output + QLatin1Char('/') + name + QStringLiteral(".png");
    if (!window->grab().save(path))
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
    if (auto* unit = child<QComboBox>(add, "Combo1"))
        unit->setCurrentIndex(qMax(0, unit->findText(line.unit)));
    if (!picture.isEmpty())
        save(add, picture);
    click(add, "Command1");
}

bool writeSampleOrder(const QString& number, const QStringList& header, const QVector<data::OrderLine>& lines)
{
    QString error;
    bool ok = data::writeOrderData(number, header, &error);
    for (const data::OrderLine& line : lines)
        ok = ok && data::appendOrderLine(number, line, &error);
    ok = ok && data::listOrderOnce(number, &error);
    if (!ok)
        fail(QStringLiteral("sample order %1: %2").arg(number, error));
    return ok;
}

void writeSampleOrders()
{
    writeSampleOrder(QStringLiteral("1001"),
                     {QStringLiteral("5120"), QStringLiteral("Bygg & Fönster i Umeå AB"), QStringLiteral("090"),
                      QStringLiteral("12 34 56"), QStringLiteral("1001"), QStringLiteral("2026-12-01"),
                      QStringLiteral("ORDERMOTTAGARE"), QStringLiteral("2, Printed"), QStringLiteral("1002"),
                      QStringLiteral("Beijer Bygg AB")},
                     {{QStringLiteral("BK-4512"), QStringLiteral("Gipsskiva 13 mm 1200x2500"), QStringLiteral("89,50"),
                       QStringLiteral("40"), QStringLiteral("st")},
                      {QStringLiteral("RG-045"), QStringLiteral("Regel 45x95 C24"), QStringLiteral("32,90"),
                       QStringLiteral("120"), QStringLiteral("m")},
                      {QStringLiteral("SK-100"), QStringLiteral("Gipsskruv 3,9x25 1000-pack"), QStringLiteral("149,00"),
                       QStringLiteral("3"), QStringLiteral("st")}});
    writeSampleOrder(QStringLiteral("1002"),
                     {QStringLiteral("7731"), QStringLiteral("Elfirma Åkesson"), QStringLiteral("031"),
                      QStringLiteral("70 80 90"), QStringLiteral("1002"), QStringLiteral("2026-12-03"),
                      QStringLiteral("ORDERMOTTAGARE"), QStringLiteral("1, Created not printed"),
                      QStringLiteral("1004"), QStringLiteral("Elektroskandia, Sverige AB")},
                     {{QStringLiteral("EKK-3G15"), QStringLiteral("Kabel EKK 3G1,5 50 m"), QStringLiteral("629,00"),
                       QStringLiteral("2"), QStringLiteral("st")}});
}

void run()
{
    writeSampleOrders();
    answerMessageBoxes();

    frmSetLanguage* language = frmSetLanguage::instance();
    language->showForm();
    save(language, QStringLiteral("language"));
    click(language, "Command1");
    save(frmSplash::existing(), QStringLiteral("splash"));

    if (!QTest::qWaitFor([] { return frmZelOrderNew::existing() && frmZelOrderNew::existing()->isVisible(); }, 15000)) {
        fail(QStringLiteral("the new-order window did not follow the splash"));
        return;
    }
    frmZelOrderNew* order = frmZelOrderNew::existing();
    type(order, "Text1", QStringLiteral("3318"));
    type(order, "Text2", QStringLiteral("Rörläggare Öberg & Son"));
    type(order, "Text3", QStringLiteral("08"));
    type(order, "Text4", QStringLiteral("555 123 45"));

    click(order, "Command1");
    frmLeverantor* suppliers = frmLeverantor::existing();
    if (auto* list = suppliers ? child<QAbstractItemView>(suppliers, "ListView1") : nullptr)
        list->setCurrentIndex(list->model()->index(2, 0));
    save(suppliers, QStringLiteral("supplier-picker"));
    if (suppliers)
        click(suppliers, "Command1");

    click(order, "Command8");
    frmOrderStatus* statuses = frmOrderStatus::existing();
    save(statuses, QStringLiteral("status-picker"));
    if (statuses)
        click(statuses, "Command2");

    addLine(order,
            {QStringLiteral("PEX-16"), QStringLiteral("PEX-rör 16 mm 50 m"), QStringLiteral("412,00"),
             QStringLiteral("4"), QStringLiteral("st")},
            {});
    addLine(order,
            {QStringLiteral("KOP-15"), QStringLiteral("Kopparrör 15 mm"), QStringLiteral("96,50"), QStringLiteral("25"),
             QStringLiteral("m")},
            {});
    addLine(order,
            {QStringLiteral("BV-22"), QStringLiteral("Kulventil 22 mm"), QStringLiteral("185,00"), QStringLiteral("6"),
             QStringLiteral("st")},
            QStringLiteral("add-line"));
    save(order, QStringLiteral("new-order"));

    g_nextBoxPicture = QStringLiteral("message-box");
    click(order, "Command6");
    settle();

    if (auto* open = order->findChild<QAction*>(QStringLiteral("mnuOppna")))
        open->trigger();
    settle();
    frmOrderLista* orders = frmOrderLista::existing();
    if (auto* list = orders ? child<QAbstractItemView>(orders, "List1") : nullptr) {
        list->setFocus();
        list->setCurrentIndex(list->model()->index(0, 0));
        settle();
        click(orders, "Command1");
    }
    save(orders, QStringLiteral("order-list"));
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: zel_screenshots FOLDER OUTPUT\n");
        return 2;
    }
    data::setApplicationFolder(QDir(QString::fromLocal8Bit(argv[1])).absolutePath());
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
