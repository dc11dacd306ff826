// Times the order list window at register sizes: opening a list of 100,000 orders, showing an
// order of 10,000 lines, and voiding one entry of 100,000. Prints the median of several runs.
#include "bench_app.h"
#include "data/app_folder.h"
#include "data/order_files.h"
#include "data/record_io.h"
#include "data/text_file.h"
#include "order_register/order_list_window.h"
#include "ui/glyph_button.h"
#include "ui/message_box.h"
#include "ui/report_list_view.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTableView>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>

namespace {
constexpr int kEntries = 100000;
constexpr int kLines = 10000;
constexpr int kRuns = 11;

void check(bool ok, const QString& error)
{
    if (!ok)
        qFatal("%s", qPrintable(error));
}

QString numberAt(int i)
{
    return QString::number(1000000 + i);
}

void writeList()
{
    QByteArray bytes;
    for (int i = 0; i < kEntries; ++i)
        bytes += data::lineRecord(numberAt(i));
    QString error;
    check(data::replaceFile(data::orderListPath(), bytes, &error), error);
}

void writeOrder(const QString& number, int lines)
{
    QString error;
    QStringList values{"K1", "Kund", "08", "123", number, "2026-12-07", "S", "1, Created not printed", "1", "Lev"};
    check(data::writeOrderData(number, values, &error), error);
    QByteArray bytes;
    for (int i = 0; i < lines; ++i)
        bytes += data::quotedRecord({"ART" + QString::number(i), "Skruv, rostfri 5 mm", "12,50", "3", "ST"});
    check(data::replaceFile(data::orderBasketPath(number), bytes, &error), error);
}

void settle()
{
    QCoreApplication::processEvents();
}

void closeWindow()
{
    if (frmOrderLista* w = frmOrderLista::existing())
        w->unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    settle();
}

void selectEntry(frmOrderLista* w, int row)
{
    w->List1->selectionModel()->select(w->List1->model()->index(row, 0), QItemSelectionModel::ClearAndSelect);
}

// Runs `prepare` untimed, then times `work` up to the point where pending events are handled.
double medianMs(const std::function<void()>& prepare, const std::function<void()>& work)
{
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        work();
        settle();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
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
    writeList();
    writeOrder(numberAt(10), kLines);
    writeOrder(numberAt(20), kLines);
    std::printf("platform %s, %d list entries, %d basket lines\n", qPrintable(QGuiApplication::platformName()),
                kEntries, kLines);

    const double open = medianMs(closeWindow, [] { frmOrderLista::instance()->showForm(); });
    report("open a list of 100,000 entries", open, 100);

    frmOrderLista* w = frmOrderLista::instance();
    w->showForm();
    settle();
    w->Command1->click(); // fold out so the lines are drawn
    settle();
    int row = 10;
    const double show = medianMs([&] { row = row == 10 ? 20 : 10; }, [&] { selectEntry(w, row); });
    if (w->ListView1->rowCount() != kLines)
        qFatal("the order's lines were not shown");
    report("show an order of 10,000 lines", show, 50);

    const double scroll = medianMs(
        [&] {
            w->List1->scrollToTop();
            settle();
        },
        [&] {
            w->List1->scrollToBottom();
            w->List1->repaint();
        });
    report("scroll the list to its last entry and repaint", scroll, 50);

    int target = 50000;
    const double voiding = medianMs(
        [&] {
            target += 7;
            writeOrder(numberAt(target), 3);
            ui::MessageBoxScript::answerNext(ui::vbYes);
            selectEntry(w, target - (w->entries().size() < kEntries ? kEntries - int(w->entries().size()) : 0));
            settle();
        },
        [&] { w->Command4->click(); });
    report("void one entry of 100,000", voiding, 100);
    const QStringList left = w->entries();
    if (left.size() != kEntries - kRuns || left.contains(numberAt(target)) ||
        data::fileExists(data::orderDataPath(numberAt(target))))
        qFatal("voiding did not remove the entries it was given");
    closeWindow();
    return 0;
}
