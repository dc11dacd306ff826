// Times the export for the bookkeeper: 100,000 orders of 10 lines each into one CSV file.
// Prints every run and the median. An argument gives another number of orders.
#include "data/app_folder.h"
#include "data/order_export.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <sys/resource.h>

namespace {
// Processor time of the whole process, all threads, so that a run on a busy machine can be judged.
double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

constexpr int kLinesPerOrder = 10;
constexpr int kRuns = 3;

// The register is written with plain unsynced writes: only the export is timed.
void writeFast(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

void writeRegister(const QString& folder, int orders)
{
    QByteArray list;
    QByteArray basket;
    for (int line = 0; line < kLinesPerOrder; ++line)
        basket += "\"ART" + QByteArray::number(line) + "\",\"Skruv, rostfri 5 mm\",\"12,50\",\"" +
                  QByteArray::number(line + 1) + "\",\"ST\"\r\n";
    for (int i = 0; i < orders; ++i) {
        const QByteArray number = QByteArray::number(20260000000LL + i);
        list += number + "\r\n";
        writeFast(folder + "/Order/" + number + ".OrderData.log",
                  "K" + number + "\r\nKund AB\r\n08\r\n123 45\r\n" + number +
                      "\r\n2026-12-07\r\nORDERMOTTAGARE\r\n1, Created not printed\r\n1004\r\n"
                      "\"Elektroskandia, Sverige AB\"\r\n");
        writeFast(folder + "/Order/" + number + ".OrderBasket.log", basket);
    }
    writeFast(folder + "/Order/Lista.log", list);
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int orders = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 100000;
    QTemporaryDir dir;
    if (!dir.isValid() || !QDir(dir.path()).mkpath("Order") || !QDir(dir.path()).mkpath("System"))
        qFatal("no temporary folder");
    data::setApplicationFolder(dir.path());

    QElapsedTimer timer;
    timer.start();
    writeRegister(dir.path(), orders);
    std::printf("register of %d orders x %d lines written in %.1f s\n", orders, kLinesPerOrder,
                timer.elapsed() / 1000.0);

    const QString target = dir.path() + "/export.csv";
    QVector<double> seconds;
    for (int run = 0; run < kRuns; ++run) {
        data::ExportResult result;
        QString error;
        timer.restart();
        const double cpuBefore = cpuSeconds();
        if (!data::exportOrders(target, &result, &error, [](int, int) { return true; }))
            qFatal("%s", qPrintable(error));
        seconds.append(timer.nsecsElapsed() / 1e9);
        std::printf("run %d: %.2f s (processor %.2f s), %d orders, %d rows, %.1f MB\n", run + 1, seconds.last(),
                    cpuSeconds() - cpuBefore, result.orders, result.rows, QFileInfo(target).size() / 1e6);
        std::fflush(stdout);
    }
    std::sort(seconds.begin(), seconds.end());
    std::printf("export of %d orders x %d lines: median %.2f s (target < 10 s)\n", orders, kLinesPerOrder,
                seconds.at(kRuns / 2));
    return 0;
}
