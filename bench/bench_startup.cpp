// Start-up: from process start until the new-order window is on the screen, less the splash
// window's designed second, and the peak memory of that run, side by side with a minimal Qt
// Widgets program (main window, menu, five-column list). Both run offscreen as child processes.
//
// Neither program reports anything itself: Qt loads the small probe plugin beside this benchmark
// into each of them (QT_QPA_GENERIC_PLUGINS), which prints the steady clock when the awaited window
// has painted and then ends the program normally; the peak memory comes from wait4().
//
// Usage: bench_startup [runs]   (default 15 runs of each program, after one warm-up run each)
#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

constexpr double kSplashMs = 1000.0;
constexpr double kTarget = 1.05;
constexpr int kTimeoutMs = 30000;

struct Run
{
    bool ok = false;
    double ms = 0;
    long peakKb = 0;
};

long long steadyNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// The programs' own warnings (the offscreen platform cannot raise windows) are kept in a log
// that is shown only when a run fails.
Run runOnce(const std::string& program, const char* option, const std::string& awaitedWindow, const std::string& xdgDir)
{
    const std::string log = xdgDir + "/child.log";
    const auto setHere = [](const std::string& entry) {
        for (const char* ours : {"QT_QPA_PLATFORM=", "QT_PLUGIN_PATH=", "QT_QPA_GENERIC_PLUGINS=", "XDG_RUNTIME_DIR="})
            if (entry.rfind(ours, 0) == 0)
                return true;
        return false;
    };
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e)
        if (!setHere(*e))
            env.push_back(*e);
    env.push_back("QT_QPA_PLATFORM=offscreen");
    env.push_back("QT_PLUGIN_PATH=" ZEL_PROBE_PLUGIN_DIR);
    env.push_back("QT_QPA_GENERIC_PLUGINS=zelstartupprobe:" + awaitedWindow);
    env.push_back("XDG_RUNTIME_DIR=" + xdgDir);
    std::vector<char*> envp;
    for (std::string& entry : env)
        envp.push_back(entry.data());
    envp.push_back(nullptr);
    std::string arg0 = program;
    std::string arg1 = option ? option : "";
    char* argv[] = {arg0.data(), option ? arg1.data() : nullptr, nullptr};

    int fds[2];
    if (pipe(fds) != 0)
        return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    posix_spawn_file_actions_addclose(&actions, fds[1]);

    pid_t pid = 0;
    const long long started = steadyNs();
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (spawned != 0) {
        std::fprintf(stderr, "cannot start %s: %s\n", program.c_str(), std::strerror(spawned));
        close(fds[0]);
        return {};
    }

    std::string output;
    const long long deadline = started + kTimeoutMs * 1000000LL;
    for (;;) {
        pollfd waiting{fds[0], POLLIN, 0};
        const int left = int(std::max(0LL, (deadline - steadyNs()) / 1000000));
        if (poll(&waiting, 1, left) <= 0) {
            std::fprintf(stderr, "%s: no window after %d ms, stopped\n", program.c_str(), kTimeoutMs);
            kill(pid, SIGKILL);
            break;
        }
        char buffer[256];
        const ssize_t got = read(fds[0], buffer, sizeof buffer);
        if (got <= 0)
            break;
        output.append(buffer, size_t(got));
    }
    close(fds[0]);

    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
    }

    Run run;
    long long shownNs = 0;
    const size_t at = output.find("shown ");
    if (at != std::string::npos && WIFEXITED(status) && WEXITSTATUS(status) == 0) {
        shownNs = std::atoll(output.c_str() + at + 6);
        run.ok = shownNs > started;
    }
    if (!run.ok) {
        QFile messages(QString::fromStdString(log));
        if (messages.open(QIODevice::ReadOnly))
            std::fprintf(stderr, "%s", messages.readAll().constData());
    }
    run.ms = double(shownNs - started) / 1e6;
    run.peakKb = usage.ru_maxrss;
    return run;
}

template <class T> T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char* argv[])
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    QTemporaryDir xdg; // offscreen Qt wants a private runtime folder
    QFile::setPermissions(xdg.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    const std::string xdgDir = xdg.path().toStdString();

    struct Subject
    {
        const char* label;
        std::string program;
        const char* option;
        std::string window;
        double designedWaitMs;
        std::vector<double> ms;
        std::vector<long> peakKb;
    };
    Subject subjects[] = {
        {"minimal Qt program", ZEL_MINIMAL_APP, nullptr, "MinimalWindow", 0.0, {}, {}},
        {"zel2007", ZEL_APP_BINARY, nullptr, "frmZelOrderNew", kSplashMs, {}, {}},
        // What the toolkit adds to a one-second splash by itself: its timer wakes a little late.
        {"minimal, 1 s splash", ZEL_MINIMAL_APP, "--splash-second", "MinimalWindow", kSplashMs, {}, {}},
    };

    for (Subject& s : subjects) // warm-up: libraries and fonts into the page cache
        runOnce(s.program, s.option, s.window, xdgDir);
    for (int i = 0; i < runs; ++i) {
        for (Subject& s : subjects) {
            const Run run = runOnce(s.program, s.option, s.window, xdgDir);
            if (!run.ok) {
                std::fprintf(stderr, "%s: run %d failed\n", s.label, i + 1);
                return 1;
            }
            s.ms.push_back(run.ms - s.designedWaitMs);
            s.peakKb.push_back(run.peakKb);
        }
    }

    std::printf("Start-up to the main window shown, offscreen, %d runs each (median; min..max)\n", runs);
    for (const Subject& s : subjects) {
        const auto [lo, hi] = std::minmax_element(s.ms.begin(), s.ms.end());
        std::printf("  %-20s %7.1f ms (%.1f..%.1f)%s   peak RSS %6.1f MB\n", s.label, median(s.ms), *lo, *hi,
                    s.designedWaitMs > 0 ? " after the splash's 1000 ms" : "", median(s.peakKb) / 1024.0);
    }
    const double timeRatio = median(subjects[1].ms) / median(subjects[0].ms);
    const double memoryRatio = double(median(subjects[1].peakKb)) / double(median(subjects[0].peakKb));
    std::printf("  ratio zel2007 / minimal: time %.3f, memory %.3f (target at most %.2f each): %s\n", timeRatio,
                memoryRatio, kTarget, timeRatio <= kTarget && memoryRatio <= kTarget ? "met" : "NOT met");
    std::printf("  ratio zel2007 / minimal with the same splash second: time %.2f\n",
                median(subjects[1].ms) / median(subjects[2].ms));
    return 0;
}
