#include "ui/first_paint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace ui {

namespace {
// Watches the paint events `watched` sees: the whole application's, or one window's. A watch on one
// window is its child and goes with it.
class FirstPaintWatch : public QObject
{
public:
    FirstPaintWatch(QObject* watched, std::function<bool(const QWidget*)> isAwaited, std::function<void()> then,
                    int delayMs)
        : QObject(watched == QCoreApplication::instance() ? nullptr : watched), m_watched(watched),
          m_isAwaited(std::move(isAwaited)), m_then(std::move(then)), m_delayMs(delayMs)
    {
        m_watched->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Paint || !watched->isWidgetType())
            return false;
        auto* widget = static_cast<QWidget*>(watched);
        // A hidden window painted into a picture is not on the screen yet.
        if (!widget->isWindow() || !widget->isVisible() || !m_isAwaited(widget))
            return false;
        m_watched->removeEventFilter(this);
        // Run from the window's own timer when watching one window, so nothing runs after it went.
        QObject* context = parent() ? parent() : QCoreApplication::instance();
        QTimer::singleShot(m_delayMs, context, m_then);
        deleteLater();
        return false;
    }

private:
    QObject* m_watched;
    std::function<bool(const QWidget*)> m_isAwaited;
    std::function<void()> m_then;
    int m_delayMs;
};
} // namespace

void afterFirstPaint(std::function<bool(const QWidget*)> isAwaited, std::function<void()> then, int delayMs)
{
    new FirstPaintWatch(QCoreApplication::instance(), std::move(isAwaited), std::move(then), delayMs);
}

void afterFirstPaint(QWidget* window, std::function<void()> then)
{
    new FirstPaintWatch(
        window, [window](const QWidget* painted) { return painted == window; }, std::move(then), 0);
}

} // namespace ui
