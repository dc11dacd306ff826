// Times opening the supplier picker on a supplier list of 10,000 records: reading the file,
// filling the list, showing the window and painting it once.
#include "bench_app.h"
#include "data/app_folder.h"
#include "data/text_codec.h"
#include "pickers/supplier_picker.h"
#include "ui/form.h"
#include "ui/report_list_view.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QWindow>
#include <algorithm>
#include <cstdio>

namespace {
constexpr int kRecords = 10000;
constexpr int kRuns = 15;

QByteArray supplierList()
{
    QString text;
    for (int i = 0; i < kRecords; ++i) {
        // A mix of plain and quoted names, Swedish letters and numbers with leading zeros.
        if (i % 3 == 0)
            text += QStringLiteral("\"Grossist %1, Malmö AB\",%2\r\n").arg(i).arg(i, 5, 10, QLatin1Char('0'));
        else
            text += QStringLiteral("Järnhandel Åkesson %1,%2\r\n").arg(i).arg(i, 5, 10, QLatin1Char('0'));
    }
    return data::encodeWindows1252(text);
}

double median(QVector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}
} // namespace

int main(int argc, char* argv[])
{
    runHeadlessUnlessDisplayed();
    QApplication app(argc, argv);
    keepFormsFromStopping();

    QTemporaryDir folder;
    QDir(folder.path()).mkpath(QStringLiteral("System"));
    QFile file(folder.filePath(QStringLiteral("System/Leverantorer.log")));
    if (!file.open(QIODevice::WriteOnly) || file.write(supplierList()) < 0)
        return 1;
    file.close();
    data::setApplicationFolder(folder.path());

    QVector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        QElapsedTimer timer;
        timer.start();
        frmLeverantor::open();
        frmLeverantor* picker = frmLeverantor::existing();
        if (!picker || picker->ListView1->rowCount() != kRecords) {
            std::fprintf(stderr, "the picker did not open with %d rows\n", kRecords);
            return 1;
        }
        while (!picker->windowHandle() || !picker->windowHandle()->isExposed())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        picker->repaint();
        times.append(timer.nsecsElapsed() / 1e6);

        picker->unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }

    std::printf("supplier picker, %d records, platform %s, %d runs: first %.1f ms, median %.1f ms, min %.1f ms, "
                "max %.1f ms\n",
                kRecords, qPrintable(QGuiApplication::platformName()), kRuns, times.first(), median(times),
                *std::min_element(times.begin(), times.end()), *std::max_element(times.begin(), times.end()));
    return 0;
}
