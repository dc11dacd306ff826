// Times the memory of earlier orders: built from 100,000 orders of 10 lines (200,000 distinct
// articles) on its worker thread, the suggestions while an article number or a customer is typed,
// and copying an order of 1,000 lines into a new basket. Prints each figure against its limit.
#include "bench_app.h"
#include "data/app_folder.h"
#include "data/order_files.h"
#include "data/record_io.h"
#include "data/remembered_orders.h"
#include "data/text_file.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>

namespace {
constexpr int kOrders = 100000;
constexpr int kLinesPerOrder = 10;

QString number(int i)
{
    return QString::number(1000000 + i);
}

void writeOrders()
{
    QString error;
    QByteArray list;
    for (int i = 0; i < kOrders; ++i) {
        const QString nr = number(i);
        list += data::lineRecord(nr);
        QByteArray values;
        for (const QString& value : {"K" + QString::number(i % 5000), "Kund " + QString::number(i % 5000),
                                     QStringLiteral("08"), QStringLiteral("123456"), nr,
                                     QStringLiteral("2026-%1-%2")
                                         .arg(1 + i % 12, 2, 10, QLatin1Char('0'))
                                         .arg(1 + i % 28, 2, 10, QLatin1Char('0')),
                                     QStringLiteral("S"), QStringLiteral("1, Skapad"), QString::number(1000 + i % 50),
                                     "Lev " + QString::number(i % 50)})
            values += data::lineRecord(value);
        check(data::replaceFile(data::orderDataPath(nr), values, &error), error);
        QByteArray basket;
        for (int line = 0; line < kLinesPerOrder; ++line) {
            // 200,000 distinct article numbers, each ordered five times.
            const int article = (i * kLinesPerOrder + line) % 200000;
            basket += data::quotedRecord(
                {"A" + QString::number(article), "Skruv " + QString::number(article), "12,50", "3", "ST"});
        }
        check(data::replaceFile(data::orderBasketPath(nr), basket, &error), error);
    }
    check(data::replaceFile(data::orderListPath(), list, &error), error);
}
} // namespace

int main(int argc, char* argv[])
{
    runHeadlessUnlessDisplayed();
    QApplication app(argc, argv);
    keepFormsFromStopping();
    // Writing the orders takes long; ZEL_BENCH_FOLDER keeps them for the next run.
    QTemporaryDir scratch;
    const QString kept = qEnvironmentVariable("ZEL_BENCH_FOLDER");
    const QString folder = kept.isEmpty() ? scratch.path() : kept;
    QDir(folder).mkpath(QStringLiteral("Order"));
    data::setApplicationFolder(folder);
    QElapsedTimer clock;
    clock.start();
    if (kept.isEmpty() || !QFileInfo::exists(data::orderListPath())) {
        writeOrders();
        std::printf("%d orders of %d lines written in %.1f s\n", kOrders, kLinesPerOrder, clock.elapsed() / 1000.0);
    }

    data::RememberedOrders* memory = data::RememberedOrders::instance();
    QEventLoop loop;
    QObject::connect(memory, &data::RememberedOrders::readingDone, &loop, &QEventLoop::quit);
    clock.restart();
    memory->start();
    loop.exec();
    report("memory built from 100,000 orders of 10 lines", clock.nsecsElapsed() / 1e6, 3000);

    // Every prefix of a few article numbers and customer names, as the clerk types them.
    double slowestArticle = 0;
    double slowestCustomer = 0;
    for (const QString& typed : {QStringLiteral("A199999"), QStringLiteral("A1234"), QStringLiteral("A5")}) {
        for (int length = 1; length <= typed.size(); ++length) {
            clock.restart();
            memory->articleSuggestions(typed.left(length), QStringLiteral("1007"), 20);
            slowestArticle = std::max(slowestArticle, clock.nsecsElapsed() / 1e6);
        }
    }
    for (const QString& typed : {QStringLiteral("Kund 49"), QStringLiteral("K12")}) {
        for (int length = 1; length <= typed.size(); ++length) {
            clock.restart();
            memory->customerSuggestions(typed.left(length), 20);
            slowestCustomer = std::max(slowestCustomer, clock.nsecsElapsed() / 1e6);
        }
    }
    report("article suggestions per key, 200,000 articles (slowest)", slowestArticle, 10);
    report("customer suggestions per key (slowest)", slowestCustomer, 10);

    QVector<data::OrderLine> lines;
    for (int i = 0; i < 1000; ++i)
        lines.append({"A" + QString::number(i), "Skruv, rostfri 5 mm", "12,50", "3", "ST"});
    QString error;
    if (data::fileExists(data::orderBasketPath(QStringLiteral("9000001"))))
        check(data::deleteFile(data::orderBasketPath(QStringLiteral("9000001")), &error), error);
    clock.restart();
    check(data::appendOrderLines(QStringLiteral("9000001"), lines, &error), error);
    report("copy an order of 1,000 lines into a new basket", clock.nsecsElapsed() / 1e6, 100);
    memory->stop();
    return 0;
}
