// zel_stress: works the order files as the order windows do, or checks what such work left.
//
//   zel_stress work FOLDER ID SEED ITERATIONS
//       prints "ready" once set up, then a summary when done; the steps go to FOLDER/journal-ID.txt
//   zel_stress check FOLDER [--exact]
//       prints one line per problem; exit status 1 when there is any
//   zel_stress numbers FOLDER ID ROUNDS
//       prints "ready", waits for FOLDER/start, then races the other programs for order numbers
//   zel_stress check-numbers FOLDER PROGRAMS ROUNDS
//       prints one line per problem of that race; exit status 1 when there is any

#include "number_race.h"
#include "stress_checker.h"
#include "stress_worker.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>
#include <cstdio>

namespace {

int usage()
{
    std::fprintf(stderr, "usage: zel_stress work FOLDER ID SEED ITERATIONS\n"
                         "       zel_stress check FOLDER [--exact]\n"
                         "       zel_stress numbers FOLDER ID ROUNDS\n"
                         "       zel_stress check-numbers FOLDER PROGRAMS ROUNDS\n");
    return 2;
}

int printProblems(const QStringList& problems)
{
    for (const QString& problem : problems)
        std::printf("%s\n", qPrintable(problem));
    return problems.isEmpty() ? 0 : 1;
}

int work(const QStringList& args)
{
    bool idOk = false, seedOk = false, iterationsOk = false;
    const QString folder = args.value(0);
    const int id = args.value(1).toInt(&idOk);
    const quint32 seed = args.value(2).toUInt(&seedOk);
    const int iterations = args.value(3).toInt(&iterationsOk);
    if (args.size() != 4 || !idOk || !seedOk || !iterationsOk || id < 1 || id > 9999999 || iterations < 0)
        return usage();
    if (!QDir(folder).exists(QStringLiteral("Order"))) {
        std::fprintf(stderr, "zel_stress: %s has no Order folder\n", qPrintable(folder));
        return 2;
    }
    stress::StressWorker worker(folder, id, seed);
    // Whoever kills the driver times the kill from here, not from a start-up that a busy machine
    // can stretch past the whole kill window.
    std::printf("ready\n");
    std::fflush(stdout);
    if (!worker.run(iterations)) {
        std::fprintf(stderr, "zel_stress: cannot write the journal in %s\n", qPrintable(folder));
        return 2;
    }
    std::printf("work %d: %d orders, %d failed steps\n", id, worker.ordersStarted(), worker.failedSteps());
    return 0;
}

int check(const QStringList& args)
{
    const bool exact = args.size() == 2 && args.at(1) == QLatin1String("--exact");
    if (args.isEmpty() || (args.size() == 2 && !exact) || args.size() > 2)
        return usage();
    return printProblems(stress::StressChecker(args.at(0), exact).check());
}

int numbers(const QStringList& args)
{
    bool idOk = false, roundsOk = false;
    const int id = args.value(1).toInt(&idOk);
    const int rounds = args.value(2).toInt(&roundsOk);
    if (args.size() != 3 || !idOk || !roundsOk || id < 1 || rounds < 0)
        return usage();
    if (!QDir(args.at(0)).exists(QStringLiteral("Order"))) {
        std::fprintf(stderr, "zel_stress: %s has no Order folder\n", qPrintable(args.at(0)));
        return 2;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    // All programs start their rounds together, so every round meets the others.
    QElapsedTimer waited;
    waited.start();
    while (!QFile::exists(QDir(args.at(0)).filePath(QStringLiteral("start")))) {
        if (waited.hasExpired(60000)) {
            std::fprintf(stderr, "zel_stress: no start within a minute\n");
            return 2;
        }
        QThread::msleep(1);
    }
    QString error;
    if (!stress::raceForNumbers(args.at(0), id, rounds, &error)) {
        std::fprintf(stderr, "zel_stress: program %d: %s\n", id, qPrintable(error));
        return 1;
    }
    return 0;
}

int checkNumbers(const QStringList& args)
{
    bool programsOk = false, roundsOk = false;
    const int programs = args.value(1).toInt(&programsOk);
    const int rounds = args.value(2).toInt(&roundsOk);
    if (args.size() != 3 || !programsOk || !roundsOk)
        return usage();
    return printProblems(stress::checkNumberRace(args.at(0), programs, rounds));
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const QString mode = args.isEmpty() ? QString() : args.takeFirst();
    if (mode == QLatin1String("work"))
        return work(args);
    if (mode == QLatin1String("check"))
        return check(args);
    if (mode == QLatin1String("numbers"))
        return numbers(args);
    if (mode == QLatin1String("check-numbers"))
        return checkNumbers(args);
    return usage();
}
