#include "ui/on_time_timer.h"

#include <QSocketNotifier>
#include <QTimer>
#include <cstdint>
#include <sys/timerfd.h>
#include <unistd.h>

namespace ui {

OnTimeTimer::OnTimeTimer(QObject* parent, std::function<void()> timeout)
    : QObject(parent), m_timeout(std::move(timeout)), m_fd(timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC))
{
    if (m_fd < 0) {
        m_fallback = new QTimer(this);
        m_fallback->setSingleShot(true);
        m_fallback->setTimerType(Qt::PreciseTimer);
        connect(m_fallback, &QTimer::timeout, this, [this] { fire(); });
        return;
    }
    m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
    m_notifier->setEnabled(false);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] {
        std::uint64_t expirations = 0;
        if (read(m_fd, &expirations, sizeof expirations) == sizeof expirations)
            fire();
    });
}

OnTimeTimer::~OnTimeTimer()
{
    // The notifier lets go of the descriptor before it is closed.
    delete m_notifier;
    if (m_fd >= 0)
        close(m_fd);
}

void OnTimeTimer::start(int ms)
{
    m_active = true;
    if (m_fallback) {
        m_fallback->start(ms);
        return;
    }
    itimerspec due{};
    due.it_value.tv_sec = ms / 1000;
    due.it_value.tv_nsec = ms > 0 ? (ms % 1000) * 1000000L : 1; // all zero would disarm it
    timerfd_settime(m_fd, 0, &due, nullptr);
    m_notifier->setEnabled(true);
}

void OnTimeTimer::stop()
{
    m_active = false;
    if (m_fallback) {
        m_fallback->stop();
        return;
    }
    const itimerspec off{};
    timerfd_settime(m_fd, 0, &off, nullptr);
    m_notifier->setEnabled(false);
}

void OnTimeTimer::fire()
{
    if (!m_active)
        return;
    stop();
    // Last: what runs may end the timer's owner.
    m_timeout();
}

} // namespace ui
