#include "data/app_folder.h"
#include "data/order_delivery.h"
#include "data/order_export.h"
#include "data/order_files.h"
#include "data/order_number.h"
#include "data/order_void.h"
#include "data/reference_list.h"
#include "fault_shim.h"
#include "language/language_loader.h"
#include "test_support.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QSaveFile>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTest>
#include <cerrno>
#include <cstdio>
#include <optional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using Snapshot = QMap<QString, QByteArray>;

// Fails with the text itself when it is not empty.
#define VERIFY_EMPTY(expression)                                                                                       \
    do {                                                                                                               \
        const QString text_ = (expression);                                                                            \
        QVERIFY2(text_.isEmpty(), qPrintable(text_));                                                                  \
    } while (false)

namespace {

const QString kList = QStringLiteral("Order/Lista.log");
const QString kData = QStringLiteral("Order/211532.OrderData.log");
const QString kNewData = QStringLiteral("Order/211533.OrderData.log");
const QString kBasket = QStringLiteral("Order/211532.OrderBasket.log");
const QString kNewBasket = QStringLiteral("Order/211533.OrderBasket.log");
const QString kDelivery = QStringLiteral("Order/211532.OrderDelivery.log");
const QString kExport = QStringLiteral("Ordrar.csv");
const QString kSuppliers = QStringLiteral("System/Leverantorer.log");
const QString kStatuses = QStringLiteral("System/Orderstatus.log");
const QString kLanguage = QStringLiteral("System/Language/Svenska.lng");
const QString kSyncs = QStringLiteral("fsync,fdatasync");
const QString kRenames = QStringLiteral("rename,renameat,renameat2,linkat");

const QByteArray kOldDataBytes =
    "K1\r\nKund AB\r\n08\r\n123456\r\n211532\r\n2026-12-07\r\nEva\r\nNy\r\nL1\r\nLev AB\r\n";
const QStringList kValues = {"K2", "Ny Kund", "031", "55", "211532", "2026-12-08", "Bo", "Klar", "L2", "Annan AB"};
const QByteArray kValuesBytes =
    "K2\r\nNy Kund\r\n031\r\n55\r\n211532\r\n2026-12-08\r\nBo\r\nKlar\r\nL2\r\nAnnan AB\r\n";
const QByteArray kBasketBytes =
    "\"A1\",\"Skruv, rostfri\",\"2,50\",\"10\",\"ST\"\r\n\"B2\",\"Mutter\",\"0,75\",\"100\",\"ST\"\r\n";
// 4 of line 1's 10 arrived earlier; now the other 6 and half of line 2, so the order is partly delivered.
const QByteArray kDeliveryBytes = "\"2026-12-08\",\"1\",\"A1\",\"4\"\r\n";
const QVector<data::DeliveryRecord> kArriving = {{"2026-12-09", 1, "A1", "6"}, {"2026-12-09", 2, "B2", "50"}};
const QByteArray kArrivingBytes = "\"2026-12-09\",\"1\",\"A1\",\"6\"\r\n\"2026-12-09\",\"2\",\"B2\",\"50\"\r\n";
const QByteArray kStatusesBytes = "\"1\",\"Ny\"\r\n\"4\",\"Delvis levererad\"\r\n\"5\",\"Levererad\"\r\n";
const data::OrderLine kLine{"C3", "Bricka", "0,10", "50", "ST"};
const QByteArray kLineBytes = "\"C3\",\"Bricka\",\"0,10\",\"50\",\"ST\"\r\n";
// The order folder exported: 211532 with its two lines, 4 of A1 arrived; the other listed orders have
// no files.
const QByteArray kExportBytes =
    "\xEF\xBB\xBFOrdernummer;Orderdatum;S\xC3\xA4ljare;Status;Statustext;Kundnummer;Namn;Telefon;"
    "Leverant\xC3\xB6rsnummer;Leverant\xC3\xB6r;Artikelnummer;Ben\xC3\xA4mning;\xC3\x80-pris;Antal;Enhet;Belopp;"
    "Levererat;Rest\r\n"
    "211532;2026-12-07;Eva;Ny;;K1;Kund AB;08-123456;L1;Lev AB;A1;Skruv, rostfri;2,50;10;ST;25,00;4;6\r\n"
    "211532;2026-12-07;Eva;Ny;;K1;Kund AB;08-123456;L1;Lev AB;B2;Mutter;0,75;100;ST;75,00;0;100\r\n";

constexpr char kChild[] = "--run-in";

// 1,300 orders, 211532 the 651st of them.
QByteArray longList(bool with211532)
{
    QByteArray list;
    for (int i = 0; i < 1300; ++i) {
        if (i != 650)
            list += QByteArray::number(3100000 + i) + "\r\n";
        else if (with211532)
            list += "211532\r\n";
    }
    return list;
}

// The order files, in a subfolder of the temporary folder when one is named.
void fillOrderFolder(const testsupport::AppFolder& folder, const QString& sub = QString())
{
    const QString at = sub.isEmpty() ? QString() : sub + '/';
    if (!sub.isEmpty()) {
        QDir(folder.path()).mkpath(at + "Order");
        QDir(folder.path()).mkpath(at + "System");
        data::setApplicationFolder(folder.file(sub));
    }
    folder.write(at + kList, longList(true));
    folder.write(at + kData, kOldDataBytes);
    folder.write(at + kBasket, kBasketBytes);
    folder.write(at + kDelivery, kDeliveryBytes);
    folder.write(at + kStatuses, kStatusesBytes);
}

// Every entry below root by relative name: a file's bytes, or what else it is. Links are not followed.
Snapshot snapshot(const QString& root)
{
    Snapshot entries;
    QDirIterator it(root, QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        QFile file(info.filePath());
        entries[QDir(root).relativeFilePath(info.filePath())] =
            info.isSymLink() ? "link to " + info.symLinkTarget().toUtf8()
            : info.isDir()   ? "folder"
            : !info.isFile() ? "special file"
                             : (file.open(QIODevice::ReadOnly) ? file.readAll() : "unreadable");
    }
    return entries;
}

QString differences(const Snapshot& expected, const Snapshot& actual)
{
    QStringList changed;
    const QSet<QString> names =
        QSet<QString>(expected.keyBegin(), expected.keyEnd()) + QSet<QString>(actual.keyBegin(), actual.keyEnd());
    for (const QString& name : names)
        if (expected.value(name, "(none)") != actual.value(name, "(none)"))
            changed << name + ": " + QString::fromLatin1(actual.value(name, "(none)").left(60).toPercentEncoding());
    return changed.join(QStringLiteral("; "));
}

// Does one thing the program does with its files: "ok:" and what was read, or the error text.
QString run(const QString& action)
{
    QString error;
    QStringList read;
    bool ok = false;
    data::VoidOutcome voided;
    QVector<data::OrderLine> lines;
    QVector<QStringList> records;
    if (action == "save new" || action == "save again")
        ok = data::writeOrderData(action == "save new" ? "211533" : "211532", kValues, &error);
    else if (action == "add line" || action == "add first line")
        ok = data::appendOrderLine(action == "add line" ? "211532" : "211533", kLine, &error);
    else if (action == "append list")
        ok = data::listOrderOnce("211533", &error);
    else if (action == "void")
        ok = data::voidOrder("211532", 0, &voided, &error);
    else if (action == "deliver" || action == "first delivery") {
        QString status, note;
        ok = data::recordDelivery("211532", kArriving, &status, &note, &error);
        if (!note.isEmpty()) // recorded, but the status did not follow
            read << note;
    } else if (action == "export") {
        data::ExportResult exported;
        ok = data::exportOrders(data::dataPath(kExport), &exported, &error);
    } else if (action == "read data")
        ok = data::readOrderData("211532", &read, &error);
    else if (action == "read list") {
        QStringList entries;
        ok = data::readOrderList(&entries, &error);
        for (const QString& entry : entries) // a long entry by its length only
            read << (data::namesOrderFiles(entry) ? entry : QStringLiteral("<%1>").arg(entry.size()));
    } else if (action == "read basket") {
        ok = data::readOrderBasket("211532", &lines, &error);
        for (const data::OrderLine& line : lines)
            read << line.fields().join(',');
    } else if (action == "read suppliers" || action == "read statuses") {
        const QString& list = action == "read suppliers" ? data::kSupplierListPath : data::kOrderStatusListPath;
        ok = data::readReferenceList(list, &records, &error);
        for (const QStringList& record : records)
            read << record.join(',');
    } else if (action == "read language") {
        language::LanguageTable table;
        QStringList errors;
        const auto svenska = [] { return std::optional<QString>(QStringLiteral("Svenska")); };
        ok = language::loadLanguageTable(data::dataPath("\\System\\Language\\Svenska.lng"), table, svenska, &errors) ==
             0;
        read << table.text(100) << table.text(101);
        error = errors.join(' ');
    } else {
        qFatal("unknown action %s", qPrintable(action));
    }
    return ok ? "ok:" + read.join('|') : error;
}

// Runs the action in a fresh copy of this program, so a call that blocks or runs away is stopped after the
// timeout and a crash is a failed row; command is the program and what runs it, such as setpriv, when not
// this program itself.
QString inChild(const QString& folder, const QString& action, int timeoutMs, QStringList command = {})
{
    QProcess child;
    if (command.isEmpty())
        command << QCoreApplication::applicationFilePath();
    command << kChild << folder << action;
    child.start(command.takeFirst(), command);
    if (!child.waitForFinished(timeoutMs)) {
        child.kill();
        child.waitForFinished();
        return QStringLiteral("no answer within %1 ms").arg(timeoutMs);
    }
    if (child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0)
        return "ended abnormally: " + QString::fromLocal8Bit(child.readAllStandardError());
    return QString::fromUtf8(child.readAllStandardOutput());
}

// Empty when outcome refuses with the reason word and names one of the files (relative to root).
QString refusalProblem(const QString& outcome, const QString& root, const QStringList& files, const QString& word)
{
    if (outcome.startsWith("ok:") || !outcome.contains(word))
        return "no refusal with \"" + word + "\": " + outcome.left(300);
    for (const QString& file : files)
        if (outcome.contains(QDir::toNativeSeparators(root + '/' + file)))
            return {};
    return "the file is not named in: " + outcome.left(300);
}

// Puts a FIFO, a folder or a symbolic link ("link:<target>") where a file was.
void putAt(const QString& path, const QString& kind)
{
    QFile::remove(path);
    const bool made = kind == "fifo"     ? mkfifo(QFile::encodeName(path).constData(), 0644) == 0
                      : kind == "folder" ? QDir().mkdir(path)
                                         : QFile::link(kind.mid(5), path);
    if (!made)
        qFatal("cannot put %s at %s", qPrintable(kind), qPrintable(path));
}

// Copies this program and the shim it loads into the folder, open to everyone, for another user to run: the
// build tree may lie in a folder only its owner can enter. The copy finds the shim beside it ($ORIGIN).
// Empty when a copy fails.
QString copyForOthers(const QString& folder)
{
    const QFile::Permissions open = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                                    QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
    const QString program = folder + '/' + QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    const QString shim = QStringLiteral(ZEL_FAULT_SHIM);
    const QList<QPair<QString, QString>> copies = {{QCoreApplication::applicationFilePath(), program},
                                                   {shim, folder + '/' + QFileInfo(shim).fileName()}};
    for (const auto& [from, to] : copies)
        if (!QFile::exists(to) && !(QFile::copy(from, to) && QFile::setPermissions(to, open)))
            return {};
    return QFile::setPermissions(folder, open) ? program : QString();
}

void writeRepeated(const QString& path, const QByteArray& content, qint64 size)
{
    QFile file(path);
    const QByteArray chunk = content.repeated((1 << 20) / content.size());
    bool ok = file.open(QIODevice::WriteOnly);
    for (qint64 done = 0; ok && done < size; done += chunk.size())
        ok = file.write(chunk.left(qsizetype(qMin<qint64>(chunk.size(), size - done)))) > 0;
    if (!ok)
        qFatal("cannot write %s", qPrintable(path));
}

} // namespace

class TestFaults : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shimIntercepts_data();
    void shimIntercepts();
    void fullDisk_data();
    void fullDisk();
    void readOnly_data();
    void readOnly();
    void notPlainFiles_data();
    void notPlainFiles();
    void linksAsOrderFiles();
    void bigAndOddContent_data();
    void bigAndOddContent();

private:
    QTemporaryDir m_forOthers; // what another user runs, see copyForOthers
};

void TestFaults::shimIntercepts_data()
{
    QTest::addColumn<QString>("calls");
    QTest::addColumn<bool>("append");
    QTest::addColumn<bool>("inScope");

    QTest::newRow("QSaveFile, write") << "write" << false << true;
    QTest::newRow("QSaveFile, rename") << kRenames << false << true;
    QTest::newRow("QFile append, write") << "write" << true << true;
    QTest::newRow("outside the scope") << "write" << false << false;
}

// The shim must really reach Qt's own calls, or every full-disk row would test nothing.
void TestFaults::shimIntercepts()
{
    QFETCH(QString, calls);
    QFETCH(bool, append);
    QFETCH(bool, inScope);

    QTemporaryDir dir;
    QFile old(dir.filePath("f.log"));
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old\r\n") == 5);
    old.close();
    zel_fault_scope(QFile::encodeName(inScope ? dir.path() : dir.filePath("elsewhere")).constData());
    QCOMPARE(zel_fault_arm(qPrintable(calls), 0, ENOSPC, 0), 0);
    bool written = false;
    if (append) {
        QFile file(old.fileName());
        written = file.open(QIODevice::WriteOnly | QIODevice::Append) && file.write("new\r\n") == 5 && file.flush();
    } else {
        QSaveFile file(old.fileName());
        written = file.open(QIODevice::WriteOnly) && file.write("new\r\n") == 5 && file.flush() && file.commit();
    }
    const int fired = zel_fault_fired();
    zel_fault_disarm();
    QCOMPARE(fired > 0, inScope);
    QCOMPARE(written, !inScope);
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray(inScope ? "old\r\n" : "new\r\n"));
}

void TestFaults::fullDisk_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("calls");
    QTest::addColumn<int>("after"); // calls that succeed first
    QTest::addColumn<int>("shortBytes");
    QTest::addColumn<QString>("file");

    const QList<QPair<QString, QString>> actions = {
        {"save new", kNewData},       {"save again", kData}, {"add line", kBasket}, {"add first line", kNewBasket},
        {"append list", kList},       {"void", kList},       {"export", kExport},   {"deliver", kDelivery},
        {"first delivery", kDelivery}};
    for (const auto& [action, file] : actions) {
        QTest::addRow("%s, first write", qPrintable(action)) << action << "write" << 0 << 0 << file;
        QTest::addRow("%s, partial write", qPrintable(action)) << action << "write" << 0 << 3 << file;
        QTest::addRow("%s, sync", qPrintable(action)) << action << kSyncs << 0 << 0 << file;
        // Appends rename nothing.
        if (!action.startsWith("add") && action != "append list" && !action.contains("deliver"))
            QTest::addRow("%s, rename", qPrintable(action)) << action << kRenames << 0 << 0 << file;
    }
    // The export writes its header on its own: the orders' rows come in a later write.
    QTest::newRow("export, second write") << "export"
                                          << "write" << 1 << 0 << kExport;
}

void TestFaults::fullDisk()
{
    QFETCH(QString, action);
    QFETCH(QString, calls);
    QFETCH(int, after);
    QFETCH(int, shortBytes);
    QFETCH(QString, file);

    testsupport::AppFolder folder;
    fillOrderFolder(folder);
    if (action == "first delivery")
        QVERIFY(QFile::remove(folder.file(kDelivery)));
    const Snapshot before = snapshot(folder.path());
    zel_fault_scope(QFile::encodeName(folder.path()).constData());
    QCOMPARE(zel_fault_arm(qPrintable(calls), after, ENOSPC, shortBytes), 0);
    const QString outcome = run(action);
    const int fired = zel_fault_fired();
    zel_fault_disarm();
    QVERIFY2(fired > 0, "the armed calls were never made");
    VERIFY_EMPTY(refusalProblem(outcome, folder.path(), {file}, "disken är full"));
    VERIFY_EMPTY(differences(before, snapshot(folder.path())));

    // With room again the same step works and adds exactly its own record: no fragment, no phantom entry.
    QCOMPARE(run(action), QStringLiteral("ok:"));
    Snapshot expected = before;
    if (action == "save new" || action == "save again")
        expected[file] = kValuesBytes;
    else if (action.startsWith("add"))
        expected[file] += kLineBytes;
    else if (action == "export")
        expected[file] = kExportBytes;
    else if (action == "append list")
        expected[file] += "211533\r\n";
    else if (action.contains("deliver")) {
        expected[file] += kArrivingBytes;
        expected[kData] =
            "K1\r\nKund AB\r\n08\r\n123456\r\n211532\r\n2026-12-07\r\nEva\r\n4, Delvis levererad\r\nL1\r\nLev AB\r\n";
    } else
        expected = {{"Order", "folder"},
                    {kList, longList(false)},
                    {"System", "folder"},
                    {"System/Language", "folder"},
                    {kStatuses, kStatusesBytes}};
    VERIFY_EMPTY(differences(expected, snapshot(folder.path())));
}

void TestFaults::readOnly_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("marked"); // a file, or the Order folder
    QTest::addColumn<QString>("reason");
    QTest::addColumn<QStringList>("named");
    QTest::addColumn<QString>("sub");  // a subfolder that holds the program's folders
    QTest::addColumn<bool>("asOwner"); // the folder belongs to an ordinary user, who does the action

    const auto row = [](const char* name, const char* action, const QString& marked, const QStringList& named,
                        const QString& sub = QString(), bool asOwner = false) {
        QTest::newRow(name) << action << marked << (marked == "Order" ? "åtkomst nekad till mappen" : "skrivskyddad")
                            << named << sub << asOwner;
    };
    row("save again, data file", "save again", kData, {kData});
    row("add line, basket", "add line", kBasket, {kBasket});
    row("save, order list", "append list", kList, {kList});
    row("void, order list", "void", kList, {kList});
    row("void, data file", "void", kData, {kData});
    row("void, basket", "void", kBasket, {kBasket});
    row("deliver, delivery file", "deliver", kDelivery, {kDelivery});
    row("save new, folder", "save new", "Order", {kNewData});
    row("save again, folder", "save again", "Order", {kData});
    row("add line, folder", "add line", "Order", {kBasket});
    row("save to list, folder", "append list", "Order", {kList});
    row("void, folder", "void", "Order", {kList, kData, kBasket});
    // The message names the whole path, however long.
    row("save again, data file, long folder name", "save again", kData, {kData}, QString(120, 'm'));
    // An owner could still rename over a read-only file or reopen it.
    row("save again, data file, as owner", "save again", kData, {kData}, QString(), true);
    row("add line, basket, as owner", "add line", kBasket, {kBasket}, QString(), true);
    row("deliver, delivery file, as owner", "deliver", kDelivery, {kDelivery}, QString(), true);
}

// The owner's write bit is the read-only mark, for root and for an ordinary user.
void TestFaults::readOnly()
{
    QFETCH(QString, action);
    QFETCH(QString, marked);
    QFETCH(QString, reason);
    QFETCH(QStringList, named);
    QFETCH(QString, sub);
    QFETCH(bool, asOwner);

    testsupport::AppFolder folder;
    fillOrderFolder(folder, sub);
    const QString root = sub.isEmpty() ? folder.path() : folder.file(sub);
    // Run as root, the test hands the folder to nobody and runs the action as nobody; otherwise it is nobody.
    const bool handOver = asOwner && geteuid() == 0;
    QDirIterator it(folder.path(), QDir::AllEntries | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    if (handOver)
        QCOMPARE(chown(QFile::encodeName(folder.path()).constData(), 65534, 65534), 0);
    while (handOver && it.hasNext())
        QCOMPARE(chown(QFile::encodeName(it.next()).constData(), 65534, 65534), 0);
    const auto unmark = qScopeGuard([&] { chmod(QFile::encodeName(root + "/Order").constData(), 0755); });
    QCOMPARE(chmod(QFile::encodeName(root + '/' + marked).constData(), marked == "Order" ? 0555 : 0444), 0);
    const Snapshot before = snapshot(folder.path());
    QStringList asNobody = {"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"};
    if (handOver) {
        if (QStandardPaths::findExecutable(asNobody[0]).isEmpty())
            QSKIP("setpriv is not installed, so the action cannot run as the folder's owner.");
        asNobody << copyForOthers(m_forOthers.path());
        QVERIFY2(!asNobody.last().isEmpty(), "cannot copy the program and its shim for another user");
    }
    const QString outcome = handOver ? inChild(root, action, 20000, asNobody) : run(action);
    VERIFY_EMPTY(refusalProblem(outcome, root, named, reason));
    VERIFY_EMPTY(differences(before, snapshot(folder.path())));
}

void TestFaults::notPlainFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("kind"); // "@" stands for a folder outside the application folder
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("reason");

    const auto row = [](const QString& file, const QString& kind, const QString& action, const char* reason) {
        QTest::addRow("%s as %s, %s", qPrintable(file), qPrintable(kind), qPrintable(action))
            << file << kind << action << reason;
    };
    for (const QString& kind : QStringList{"fifo", "folder"})
        for (const QString& action : QStringList{"read list", "append list", "void"})
            row(kList, kind, action, "ingen vanlig fil");
    row(kData, "fifo", "read data", "ingen vanlig fil");
    row(kData, "fifo", "save again", "ingen vanlig fil");
    row(kBasket, "fifo", "read basket", "ingen vanlig fil");
    row(kBasket, "fifo", "add line", "ingen vanlig fil");
    row(kSuppliers, "fifo", "read suppliers", "ingen vanlig fil");
    row(kStatuses, "fifo", "read statuses", "ingen vanlig fil");
    row(kSuppliers, "link:/dev/zero", "read suppliers", "ingen vanlig fil");
    row(kList, "link:/dev/zero", "read list", "symbolisk länk");
    // Order files are never reached through a link, whether it leads out of the folder or nowhere.
    const QList<QStringList> files = {
        {kList, "read list", "append list"}, {kData, "read data", "save again"}, {kBasket, "read basket", "add line"}};
    for (const QStringList& f : files)
        for (const QString& target : QStringList{"link:@target.log", "link:@missing.log"})
            for (const QString& action : f.mid(1))
                row(f[0], target, action, "symbolisk länk");
}

// Every call returns promptly with a refusal, and nothing changes inside or outside the folder.
void TestFaults::notPlainFiles()
{
    QFETCH(QString, file);
    QFETCH(QString, kind);
    QFETCH(QString, action);
    QFETCH(QString, reason);

    testsupport::AppFolder folder;
    fillOrderFolder(folder);
    folder.write(kSuppliers, "\"L1\",\"Lev AB\"\r\n");
    folder.write(kStatuses, "\"1\",\"Ny\"\r\n");
    QTemporaryDir outside;
    QFile target(outside.filePath("target.log"));
    QVERIFY(target.open(QIODevice::WriteOnly) && target.write("outside\r\n") == 9);
    target.close();
    putAt(folder.file(file), QString(kind).replace('@', outside.path() + '/'));
    const Snapshot before = snapshot(folder.path());
    VERIFY_EMPTY(refusalProblem(inChild(folder.path(), action, 5000), folder.path(), {file}, reason));
    VERIFY_EMPTY(differences(before, snapshot(folder.path())));
    QCOMPARE(snapshot(outside.path()), (Snapshot{{"target.log", "outside\r\n"}}));
}

// A dangling link still takes its order number; voiding an order of links removes the links, not what they name.
void TestFaults::linksAsOrderFiles()
{
    testsupport::AppFolder folder;
    QTemporaryDir outside;
    QFile target(outside.filePath("target.log"));
    QVERIFY(target.open(QIODevice::WriteOnly) && target.write("outside\r\n") == 9);
    target.close();
    const QDateTime monday(QDate(2026, 12, 7), QTime(1, 15, 3));
    putAt(folder.file(kData), "link:" + outside.filePath("missing.log"));
    QCOMPARE(data::freeOrderNumber(monday), QStringLiteral("211542"));
    putAt(folder.file("Order/211542.OrderBasket.log"), "link:" + outside.filePath("missing.log"));
    QCOMPARE(data::freeOrderNumber(monday), QStringLiteral("211552"));

    putAt(folder.file(kBasket), "link:" + target.fileName());
    folder.write(kList, "211532\r\n3100001\r\n");
    QCOMPARE(run("void"), QStringLiteral("ok:"));
    QCOMPARE(folder.read(kList), QByteArray("3100001\r\n"));
    QVERIFY(!QFileInfo(folder.file(kData)).isSymLink());
    QVERIFY(!QFileInfo(folder.file(kBasket)).isSymLink());
    QCOMPARE(snapshot(outside.path()), (Snapshot{{"target.log", "outside\r\n"}}));
}

void TestFaults::bigAndOddContent_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<qint64>("size"); // 0: the content once, else the content repeated up to this size
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("expected"); // "ok:" and what was read, or the reason word of a refusal

    const auto row = [](const char* name, const QString& file, const QByteArray& content, qint64 size,
                        const char* action, const QString& expected) {
        QTest::newRow(name) << file << content << size << action << expected;
    };
    const qint64 line = 50'000'000;
    const qint64 over = 64 * 1024 * 1024 + 1;
    row("50 MB line, order list", kList, "7", line, "read list", "ok:<50000000>");
    row("50 MB line, data file", kData, "7", line, "read data", ""); // one line of ten
    row("50 MB line, basket", kBasket, "7", line, "read basket", "");
    row("50 MB line, supplier list", kSuppliers, "7", line, "read suppliers", "");
    row("over 64 MiB, order list", kList, "x", over, "read list", "för stor");
    row("over 64 MiB, data file", kData, "x", over, "read data", "för stor");
    row("over 64 MiB, basket", kBasket, "x", over, "read basket", "för stor");
    row("over 64 MiB, supplier list", kSuppliers, "x", over, "read suppliers", "för stor");

    // NUL and the five bytes Windows-1252 leaves undefined: read as they stand, one character each.
    row("odd bytes, order list", kList,
        QByteArrayLiteral("12\x81"
                          "34\r\n5\0"
                          "6\r\n\x8d\x8f\x90\x9d\r\n"),
        0, "read list",
        QStringLiteral("ok:12\x81"
                       "34|<3>|\x8d\x8f\x90\x9d"));
    row("odd bytes, data file", kData,
        QByteArrayLiteral("K\0"
                          "1\r\nA\x81"
                          "B\r\n08\r\n\x8d\r\n211532\r\n2026-12-07\r\n\x8f\r\n\x90\r\nL\x9d\r\n\0\r\n"),
        0, "read data",
        QStringLiteral("ok:K\0"
                       "1|A\x81"
                       "B|08|\x8d|211532|2026-12-07|\x8f|\x90|L\x9d|\0"));
    row("odd bytes, basket", kBasket,
        QByteArrayLiteral("\"A\0"
                          "1\",\"\x8d\",\"1\",\"2\",\"ST\"\r\n\"\x81\",\"\x8f\x90\",\"0\",\"1\",\"\x9d\"\r\n"),
        0, "read basket",
        QStringLiteral("ok:A\0"
                       "1,\x8d,1,2,ST|\x81,\x8f\x90,0,1,\x9d"));
    row("odd bytes, supplier list", kSuppliers,
        QByteArrayLiteral("\"L\0"
                          "1\",\"Lev\x81\"\r\n\"L2\",\"\x8d\x8f\x90\x9d\"\r\n"),
        0, "read suppliers",
        QStringLiteral("ok:L\0"
                       "1,Lev\x81|L2,\x8d\x8f\x90\x9d"));
    row("odd bytes, status list", kStatuses, QByteArrayLiteral("\"\x81\",\"Ny\0\"\r\n"), 0, "read statuses",
        QStringLiteral("ok:\x81,Ny\0"));
    row("odd bytes, language file", kLanguage,
        QByteArrayLiteral("000 LANGUAGE FILE Svenska\r\n100 A\0"
                          "B\r\n101 \x81\x8d\x8f\x90\x9d\r\n"),
        0, "read language",
        QStringLiteral("ok:A\0"
                       "B|\x81\x8d\x8f\x90\x9d"));
}

// Readers return within seconds, refuse what is too big and take odd bytes as they are, without crashing.
void TestFaults::bigAndOddContent()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, content);
    QFETCH(qint64, size);
    QFETCH(QString, action);
    QFETCH(QString, expected);

    testsupport::AppFolder folder;
    if (size > 0)
        writeRepeated(folder.file(file), content, size);
    else
        folder.write(file, content);
    // Generous: under the sanitizers on a busy machine reading 50 MB takes tens of seconds; a reader
    // that never returns still fails.
    const QString outcome = inChild(folder.path(), action, 60000);
    if (expected.startsWith("ok:"))
        QCOMPARE(outcome, expected);
    else
        VERIFY_EMPTY(refusalProblem(outcome, folder.path(), {file}, expected));
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    // The child of inChild: does the action in the given folder, with its memory capped, and prints the outcome.
    if (argc == 4 && qstrcmp(argv[1], kChild) == 0) {
#if !defined(ZEL_ADDRESS_SANITIZER)
        // AddressSanitizer reserves terabytes of address space; it has its own guard against runaway memory.
        const rlimit memory{rlim_t(2) << 30, rlim_t(2) << 30};
        setrlimit(RLIMIT_AS, &memory);
#endif
        data::setApplicationFolder(QFile::decodeName(argv[2]));
        const QByteArray outcome = run(QString::fromUtf8(argv[3])).toUtf8();
        std::fwrite(outcome.constData(), 1, size_t(outcome.size()), stdout);
        return 0;
    }
    TestFaults test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_faults.moc"
