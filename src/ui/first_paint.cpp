#include "ui/first_paint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace ui {

namespace {
class FirstPaintWatch : public QObject
{
public:
    FirstPaintWatch(std::function<bool(const QWidget*)> isAwaited, std::function<void()> then, int delayMs)
        : m_isAwaited(std::move(isAwaited)), m_then(std::move(then)), m_delayMs(delayMs)
    {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Paint || !watched->isWidgetType())
            return false;
        const auto* widget = static_cast<const QWidget*>(watched);
        // A hidden window painted into a picture is not on the screen yet.
        if (!widget->isWindow() || !widget->isVisible() || !m_isAwaited(widget))
            return false;
        QCoreApplication::instance()->removeEventFilter(this);
        QTimer::singleShot(m_delayMs, QCoreApplication::instance(), m_then);
        deleteLater();
        return false;
    }

private:
    std::function<bool(const QWidget*)> m_isAwaited;
    std::function<void()> m_then;
    int m_delayMs;
};
} // namespace

void afterFirstPaint(std::function<bool(const QWidget*)> isAwaited, std::function<void()> then, int delayMs)
{
    new FirstPaintWatch(std::move(isAwaited), std::move(then), delayMs);
}

} // namespace ui
