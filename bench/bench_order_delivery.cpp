// Times recording a delivery on an order of 1,000 lines that already has 100 deliveries of 10 lines
// each: the records appended, every delivery read back and summed per line, and the status written.
// Once for one line arriving, once for everything still to come, as the dialog starts out. Each run
// begins from the same files. Prints the median and the slowest of several runs.
#include "bench_app.h"
#include "data/app_folder.h"
#include "data/order_delivery.h"
#include "data/order_files.h"
#include "data/record_io.h"
#include "data/text_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>
#include <vector>

namespace {
constexpr int kLines = 1000;
constexpr int kEarlierDeliveries = 100;
constexpr int kLinesPerDelivery = 10;
constexpr int kRuns = 21;
const QString kOrder = QStringLiteral("2026000001");

struct Files
{
    QByteArray values;
    QByteArray deliveries;
};

// The order's data and delivery files as they stand before each run; the basket never changes.
Files writeOrder()
{
    QString error;
    check(data::writeOrderData(kOrder,
                               {"K1", "Kund AB", "08", "123456", kOrder, "2026-12-07", "S",
                                "3, Skickad till leverantör", "1004", "Elektroskandia"},
                               &error),
          error);
    QByteArray basket;
    for (int i = 0; i < kLines; ++i)
        basket += data::quotedRecord({"ART" + QString::number(i), "Skruv, rostfri 5 mm", "12,50", "10,5", "ST"});
    check(data::replaceFile(data::orderBasketPath(kOrder), basket, &error), error);
    check(data::replaceFile(data::dataPath("\\System\\Orderstatus.log"),
                            "0,\"Ny, ej sparad\"\r\n1,\"Skapad, ej utskriven\"\r\n2,Utskriven\r\n"
                            "3,Skickad till leverant\xf6r\r\n4,Delvis levererad\r\n5,Levererad\r\n",
                            &error),
          error);
    // Delivery d brings 0,5 of lines 10d to 10d + 9, so every line has had something.
    Files files;
    for (int d = 0; d < kEarlierDeliveries; ++d) {
        const QString date = QStringLiteral("2026-12-%1").arg(8 + d % 20, 2, 10, QLatin1Char('0'));
        for (int l = 0; l < kLinesPerDelivery; ++l) {
            const int line = (d * kLinesPerDelivery + l) % kLines;
            files.deliveries +=
                data::quotedRecord({date, QString::number(line + 1), "ART" + QString::number(line), "0,5"});
        }
    }
    check(data::readFileBytes(data::orderDataPath(kOrder), &files.values, &error), error);
    return files;
}

void restore(const Files& files)
{
    QString error;
    check(data::replaceFile(data::orderDataPath(kOrder), files.values, &error), error);
    check(data::replaceFile(data::orderDeliveryPath(kOrder), files.deliveries, &error), error);
}

// What the dialog plans: `arriving` lines each bring their whole rest.
QVector<data::DeliveryRecord> plan(int arriving)
{
    QVector<data::OrderLine> lines;
    QVector<data::DeliveryRecord> records;
    QString error;
    check(data::readOrderBasket(kOrder, &lines, &error), error);
    check(data::readDeliveries(kOrder, &records, &error), error);
    const QVector<data::LineDelivery> standing = data::lineDeliveries(lines, records);
    QVector<data::ArrivingNow> now(lines.size());
    for (int i = 0; i < arriving; ++i)
        now[i].quantity = standing.at(i).rest().toString();
    QVector<data::DeliveryRecord> planned;
    QVector<int> over;
    check(data::planDelivery(lines, standing, now, "2026-12-30", &planned, &over, &error), error);
    return planned;
}

void time(const char* what, const Files& files, int arriving, const QString& expectedStatus)
{
    std::vector<double> ms;
    for (int run = 0; run < kRuns; ++run) {
        restore(files);
        const QVector<data::DeliveryRecord> records = plan(arriving);
        QString status, note, error;
        QElapsedTimer timer;
        timer.start();
        check(data::recordDelivery(kOrder, records, &status, &note, &error), error);
        ms.push_back(timer.nsecsElapsed() / 1e6);
        if (status != expectedStatus || !note.isEmpty())
            qFatal("status %s (%s), expected %s", qPrintable(status), qPrintable(note), qPrintable(expectedStatus));
    }
    report(what, median(ms), 50);
    std::printf("%-52s %8.2f ms\n", "  slowest run", *std::max_element(ms.begin(), ms.end()));
}
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    if (!folder.isValid() || !QDir(folder.path()).mkpath("Order") || !QDir(folder.path()).mkpath("System"))
        qFatal("no temporary folder");
    data::setApplicationFolder(folder.path());
    const Files files = writeOrder();
    std::printf("order of %d lines with %d earlier deliveries (%d records)\n", kLines, kEarlierDeliveries,
                kEarlierDeliveries * kLinesPerDelivery);
    time("record one line's delivery, status written", files, 1, "4, Delvis levererad");
    time("record all 1,000 lines' rests, status written", files, kLines, "5, Levererad");
    return 0;
}
