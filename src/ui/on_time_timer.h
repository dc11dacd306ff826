#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;
class QTimer;

namespace ui {

// A one-shot timer that ends when it is due. A QTimer waits in one poll of the kernel, which
// Linux lets end up to 0.1 % late, a millisecond on a second; a timerfd has no such slack.
// Where there is no timerfd, a precise QTimer stands in.
class OnTimeTimer : public QObject
{
public:
    OnTimeTimer(QObject* parent, std::function<void()> timeout);
    ~OnTimeTimer() override;

    void start(int ms);
    void stop();
    bool isActive() const { return m_active; }

private:
    void fire();

    std::function<void()> m_timeout;
    int m_fd = -1;
    QSocketNotifier* m_notifier = nullptr;
    QTimer* m_fallback = nullptr;
    bool m_active = false;
};

} // namespace ui
