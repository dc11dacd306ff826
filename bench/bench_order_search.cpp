// Times the search of the order list window over 100,000 orders: filtering by order number as the
// clerk types, and the search of every order's data file in the background to its end, with the
// longest the window went without handling events meanwhile. Prints the median of several runs.
#include "bench_app.h"
#include "data/app_folder.h"
#include "data/order_files.h"
#include "data/record_io.h"
#include "order_register/order_list_window.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QProgressBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
constexpr int kOrders = 100000;
constexpr int kRuns = 5;

QString numberAt(int i)
{
    return QString::number(1000000 + i);
}

// Straight to the files: the program's own careful writing would take minutes for 100,000 orders.
void writeOrders()
{
    QByteArray list;
    for (int i = 0; i < kOrders; ++i) {
        const QString number = numberAt(i);
        list += data::lineRecord(number);
        // One customer in a thousand is called Öberg; the rest are told apart by number.
        const QString name = i % 1000 == 7 ? QStringLiteral("Åsa Öberg") : QStringLiteral("Kund %1").arg(i);
        QByteArray bytes;
        for (const QString& value :
             {"K" + QString::number(i), name, QStringLiteral("08"), QString::number(500000 + i), number,
              QStringLiteral("2026-12-07"), QStringLiteral("S"), QStringLiteral("1, Created not printed"),
              QString::number(i % 50), QStringLiteral("Leverantör %1").arg(i % 50)})
            bytes += data::lineRecord(value);
        QFile file(data::orderDataPath(number));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(file.fileName()));
    }
    QFile file(data::orderListPath());
    if (!file.open(QIODevice::WriteOnly) || file.write(list) != list.size())
        qFatal("cannot write the order list");
}

} // namespace

int main(int argc, char* argv[])
{
    runHeadlessUnlessDisplayed();
    QApplication app(argc, argv);
    keepFormsFromStopping();

    QTemporaryDir folder;
    QDir(folder.path()).mkpath("Order");
    data::setApplicationFolder(folder.path());
    QElapsedTimer writing;
    writing.start();
    writeOrders();
    std::printf("platform %s, %d orders written in %.1f s\n", qPrintable(QGuiApplication::platformName()), kOrders,
                writing.elapsed() / 1000.0);

    frmOrderLista* w = frmOrderLista::instance();
    w->showForm();
    QCoreApplication::processEvents();

    // Number only: each keystroke filters 100,000 entries; "12345" leaves one of them
    // and a single digit leaves them all.
    std::vector<double> narrow, wide;
    for (int run = 0; run < kRuns; ++run) {
        for (auto [text, times] : {std::pair{"12345", &narrow}, std::pair{"1", &wide}}) {
            w->txtSok->clear();
            QCoreApplication::processEvents();
            QElapsedTimer timer;
            timer.start();
            w->txtSok->setText(QString::fromLatin1(text));
            QCoreApplication::processEvents();
            times->push_back(timer.nsecsElapsed() / 1e6);
        }
    }
    if (w->List1->model()->rowCount() != kOrders)
        qFatal("a single digit did not leave every entry");
    w->txtSok->setText(QStringLiteral("12345"));
    if (w->List1->model()->rowCount() != 1)
        qFatal("\"12345\" left %d entries, not 1", w->List1->model()->rowCount());
    report("filter 100,000 entries by number, few left", median(narrow), 50);
    report("filter 100,000 entries by number, all left", median(wide), 50);

    // The whole search, from Enter until the list shows what was found.
    std::vector<double> full, stall;
    for (int run = 0; run < kRuns; ++run) {
        QTest::keyClick(w->txtSok, Qt::Key_Escape);
        w->txtSok->setText(QStringLiteral("öberg"));
        QElapsedTimer timer;
        timer.start();
        QTest::keyClick(w->txtSok, Qt::Key_Return);
        // The longest the window spent on its events at once: how long a keystroke could wait.
        qint64 longest = 0;
        while (w->prgSok->isVisible()) {
            const qint64 before = timer.nsecsElapsed();
            QCoreApplication::processEvents();
            longest = std::max(longest, timer.nsecsElapsed() - before);
            QThread::msleep(1);
        }
        full.push_back(timer.nsecsElapsed() / 1e6);
        stall.push_back(longest / 1e6);
    }
    if (w->List1->model()->rowCount() != kOrders / 1000)
        qFatal("the search found %d orders, not %d", w->List1->model()->rowCount(), kOrders / 1000);
    report("search 100,000 order files to the end", median(full), 2000);
    report("longest wait for the window meanwhile", median(stall), 100);

    w->unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
