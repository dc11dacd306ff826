// Adding a line ("OK" in the add-line dialog) and saving ("Spara") with an order basket file of
// 10,000 records and an order list of 10,000 saves, in-process and offscreen. Each figure covers the
// handler and the repaint it causes; message boxes are answered by script.
//
// Usage: bench_order_entry [runs]   (default 500)
#include "bench_app.h"
#include "data/app_folder.h"
#include "data/order_files.h"
#include "order_entry/add_line_dialog.h"
#include "order_entry/new_order_window.h"
#include "ui/message_box.h"
#include "ui/report_list_view.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRecords = 10000;
constexpr double kTargetMs = 5.0;

struct Figures
{
    double median;
    double p95;
    double max;
};

Figures summarise(std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms[ms.size() * 95 / 100], ms.back()};
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Lets pending repaints happen outside the figures.
void settle()
{
    QEventLoop loop;
    QTimer::singleShot(20, &loop, &QEventLoop::quit);
    loop.exec();
}

// Times one click, including the events it leaves for the event loop (the repaint).
double timedClick(QAbstractButton* button, int answer)
{
    settle();
    ui::MessageBoxScript::answerNext(answer);
    QElapsedTimer clock;
    clock.start();
    button->click();
    QCoreApplication::processEvents();
    return double(clock.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char* argv[])
{
    runHeadlessUnlessDisplayed();
    QApplication app(argc, argv);
    // The offscreen platform cannot raise windows and says so on every show.
    static const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& message) {
            if (message != QLatin1String("This plugin does not support raise()"))
                previous(type, context, message);
        });
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 500;

    QTemporaryDir folder;
    QDir(folder.path()).mkpath(QStringLiteral("Order"));
    data::setApplicationFolder(folder.path());
    ui::MessageBoxScript::start();

    frmZelOrderNew* window = frmZelOrderNew::instance();
    window->showForm();
    const QString number = window->dbOrderNr->text();

    QByteArray basket;
    QByteArray list;
    for (int i = 0; i < kRecords; ++i) {
        basket += QStringLiteral("\"A-%1\",\"Skruv rostfri, 5x40\",\"12,50\",\"%2\",\"ST\"\r\n")
                      .arg(i)
                      .arg(i % 97)
                      .toLatin1();
        list += QByteArray::number(10001 + i) + "\r\n";
    }
    if (!writeFile(data::orderBasketPath(number), basket) || !writeFile(data::orderListPath(), list)) {
        std::fprintf(stderr, "cannot write the test files in %s\n", qPrintable(folder.path()));
        return 1;
    }

    window->Text1->setText(QStringLiteral("K-17"));
    window->Text2->setText(QStringLiteral("Åsa Öberg"));
    window->Command2->click();
    frmAdd* dialog = frmAdd::existing();

    std::vector<double> addMs;
    std::vector<double> saveMs;
    for (int i = 0; i < runs; ++i) {
        dialog->Text1->setText(QStringLiteral("B-%1").arg(i));
        dialog->Text2->setText(QStringLiteral("Bult, förzinkad"));
        dialog->Text3->setText(QStringLiteral("3,75"));
        dialog->Text4->setText(QStringLiteral("40"));
        addMs.push_back(timedClick(dialog->Command1, ui::vbYes));
        saveMs.push_back(timedClick(window->Command6, ui::vbOK));
    }

    QVector<data::OrderLine> lines;
    QString error;
    const bool complete = data::readOrderBasket(number, &lines, &error) && lines.size() == kRecords + runs &&
                          window->ListView1->rowCount() == runs && ui::MessageBoxScript::unexpected() == 0;
    if (!complete) {
        std::fprintf(stderr, "the runs did not add and save as expected: %s\n", qPrintable(error));
        return 1;
    }

    const Figures add = summarise(addMs);
    const Figures save = summarise(saveMs);
    std::printf("Order entry with %d basket records, %d runs, offscreen, files in %s\n", kRecords, runs,
                qPrintable(QDir::tempPath()));
    std::printf("  add a line (OK):  median %.3f ms, 95%% %.3f ms, max %.3f ms\n", add.median, add.p95, add.max);
    std::printf("  save (Spara):     median %.3f ms, 95%% %.3f ms, max %.3f ms\n", save.median, save.p95, save.max);
    std::printf("  target under %.0f ms each (median): %s\n", kTargetMs,
                add.median < kTargetMs && save.median < kTargetMs ? "met" : "NOT met");
    data::setApplicationFolder(QString());
    return 0;
}
