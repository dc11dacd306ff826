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
    FirstPaintWatch(std::function<bool(const QWidget*)> isAwaited, std::function<void()> then)
        : m_isAwaited(std::move(isAwaited)), m_then(std::move(then))
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
        QTimer::singleShot(0, QCoreApplication::instance(), m_then);
        deleteLater();
        return false;
    }

private:
    std::function<bool(const QWidget*)> m_isAwaited;
    std::function<void()> m_then;
};
} // namespace

void afterFirstPaint(std::function<bool(const QWidget*)> isAwaited, std::function<void()> then)
{
    new FirstPaintWatch(std::move(isAwaited), std::move(then));
}

} // namespace ui
