// Changing and removing one line of an order with a 10,000-line basket through the real windows
// ("Ändra" then "OK", "Ta bort" then Ja), and opening the print preview of a 1,000-line order
// ("Utskrift" in the order list) until its first page is drawn. In-process and offscreen.
//
// Usage: bench_working_day [runs]   (default 50)
#include "bench_app.h"
#include "data/app_folder.h"
#include "data/order_files.h"
#include "order_entry/add_line_dialog.h"
#include "order_entry/new_order_window.h"
#include "order_register/order_list_window.h"
#include "ui/report_list_view.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPrintPreviewDialog>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

QByteArray basket(int records, const char* tag)
{
    QByteArray bytes;
    for (int i = 0; i < records; ++i)
        bytes += "\"" + QByteArray(tag) + QByteArray::number(i) + "\",\"Skruv, rostfri\",\"12,50\",\"" +
                 QByteArray::number(i % 7 + 1) + "\",\"ST\"\r\n";
    return bytes;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char** argv)
{
    runHeadlessUnlessDisplayed();
    QApplication app(argc, argv);
    keepFormsFromStopping();
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 50;

    QTemporaryDir folder;
    QDir(folder.path()).mkpath(QStringLiteral("Order"));
    data::setApplicationFolder(folder.path());

    // An order of 10,000 lines opened for changing, as the order list's "Ändra" does.
    constexpr int kRecords = 10000;
    const QString number = QStringLiteral("2153012");
    QStringList values{"K1", "Kund", "08", "123", number, "2026-12-07", "S", "1, Created not printed", "1", "Lev"};
    QString error;
    if (!data::writeOrderData(number, values, &error) ||
        !writeFile(data::orderBasketPath(number), basket(kRecords, "A"))) {
        std::fprintf(stderr, "setup failed\n");
        return 1;
    }
    QVector<data::OrderLine> lines;
    data::readOrderBasket(number, &lines, &error);
    frmZelOrderNew* window = frmZelOrderNew::instance();
    window->showForm();
    window->openSavedOrder(number, values, lines);
    QApplication::processEvents();

    std::vector<double> change;
    std::vector<double> remove;
    for (int i = 0; i < runs; ++i) {
        const int row = kRecords / 2 - i;
        window->ListView1->selectRow(row);
        QTest::mouseClick(window->Command3, Qt::LeftButton);
        frmAdd* dialog = frmAdd::existing();
        dialog->Text2->setText(QStringLiteral("Ändrad %1").arg(i));
        QElapsedTimer clock;
        clock.start();
        QTest::mouseClick(dialog->Command1, Qt::LeftButton);
        QApplication::processEvents();
        change.push_back(clock.nsecsElapsed() / 1e6);

        window->ListView1->selectRow(row);
        ui::MessageBoxScript::answerNext(ui::vbYes);
        clock.restart();
        QTest::mouseClick(window->Command4, Qt::LeftButton);
        QApplication::processEvents();
        remove.push_back(clock.nsecsElapsed() / 1e6);
    }
    if (window->ListView1->rowCount() != kRecords - runs) {
        std::fprintf(stderr, "lines were not removed\n");
        return 1;
    }
    std::printf("Change one line of %d: median %.2f ms, max %.2f ms (target < 20 ms)\n", kRecords, median(change),
                *std::max_element(change.begin(), change.end()));
    std::printf("Remove one line of %d: median %.2f ms, max %.2f ms (target < 20 ms)\n", kRecords, median(remove),
                *std::max_element(remove.begin(), remove.end()));

    // The print preview of a saved order of 1,000 lines.
    const QString printed = QStringLiteral("3153013");
    values[4] = printed;
    if (!data::writeOrderData(printed, values, &error) ||
        !writeFile(data::orderBasketPath(printed), basket(1000, "P")) ||
        !writeFile(data::orderListPath(), printed.toLatin1() + "\r\n")) {
        std::fprintf(stderr, "setup failed\n");
        return 1;
    }
    std::vector<double> preview;
    for (int i = 0; i < std::max(3, runs / 10); ++i) {
        frmOrderLista* list = frmOrderLista::instance();
        list->showForm();
        list->List1->setCurrentIndex(list->List1->model()->index(0, 0));
        QApplication::processEvents();
        QElapsedTimer clock;
        clock.start();
        QTest::mouseClick(list->Command7, Qt::LeftButton);
        auto* dialog = list->findChild<QPrintPreviewDialog*>(QStringLiteral("printPreview"));
        QApplication::processEvents();
        dialog->grab();
        preview.push_back(clock.nsecsElapsed() / 1e6);
        dialog->close();
        list->unload();
        QApplication::processEvents();
    }
    std::printf("Print preview of a 1,000-line order: median %.0f ms, max %.0f ms (target < 1000 ms)\n",
                median(preview), *std::max_element(preview.begin(), preview.end()));
    return 0;
}
