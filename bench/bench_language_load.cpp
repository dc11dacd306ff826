// Times the language loader on a file of 10,000 entries and measures what the program's language
// table costs in memory after loading the shipped file.
#include "data/text_codec.h"
#include "language/language_loader.h"
#include "language/language_table.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <malloc.h>

namespace {
constexpr int kEntries = 10'000;
constexpr int kRuns = 50;

QByteArray bigLanguageFile()
{
    QString text = QStringLiteral("; benchmark\r\n000 LANGUAGE FILE Svenska\r\n");
    for (int i = 0; i < kEntries; ++i)
        text += QStringLiteral("%1 Beställning nummer %2 med åäö_och en radbrytning, Leverantör\r\n")
                    .arg(1 + i % 999, 3, 10, QLatin1Char('0'))
                    .arg(i);
    return data::encodeWindows1252(text);
}

long residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

const language::SelectedName svenska = [] { return std::optional<QString>(QStringLiteral("Svenska")); };
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QString shipped = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                     : QFileInfo(QStringLiteral(ZEL_APP_BINARY)).absolutePath() +
                                           QStringLiteral("/System/Language/Svenska.lng");

    // Memory first, in a process that has not yet touched the table. The code page converter and
    // the number reader are set up once for every data file the program reads, so they are warmed
    // up before the measurement rather than charged to the table.
    language::LanguageTable warmUp;
    language::loadLanguageTable(shipped, warmUp, svenska);
    warmUp.clear();
    const long rssBefore = residentKiB();
    const size_t heapBefore = mallinfo2().uordblks;
    const qint16 shippedResult = language::loadLanguageTable(shipped, Module2::languageTable(), svenska);
    const size_t heapAfter = mallinfo2().uordblks;
    const long rssAfter = residentKiB();
    std::printf("shipped file %s: result %d, %d slots written\n", qPrintable(shipped), shippedResult,
                Module2::languageTable().writtenCount());
    std::printf("memory added by the table after loading it: heap %+.1f KiB, resident %+ld KiB "
                "(a dense table of 10,000,000 string slots would take %.0f MiB)\n",
                (double(heapAfter) - double(heapBefore)) / 1024.0, rssAfter - rssBefore,
                double(language::LanguageTable::kSlotCount) * sizeof(QString) / (1024.0 * 1024.0));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Svenska.lng"));
    QFile file(path);
    const QByteArray bytes = bigLanguageFile();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return 1;
    file.close();

    QVector<double> ms;
    for (int run = 0; run < kRuns; ++run) {
        language::LanguageTable table;
        QElapsedTimer timer;
        timer.start();
        const qint16 result = language::loadLanguageTable(path, table, svenska);
        ms.append(timer.nsecsElapsed() / 1e6);
        if (result != 0)
            return 1;
    }
    std::sort(ms.begin(), ms.end());
    std::printf("loading %d entries (%lld bytes), %d runs: min %.2f ms, median %.2f ms, max %.2f ms\n", kEntries,
                static_cast<long long>(bytes.size()), kRuns, ms.first(), ms.at(kRuns / 2), ms.last());
    return 0;
}
