// Loaded into a program under test through Qt's generic plugin mechanism
// (QT_QPA_GENERIC_PLUGINS=zelstartupprobe:<window object name>), so the program itself reads nothing.
// It writes "shown <steady clock ns>" to stdout once the awaited window has painted, then ends the
// program normally, so the parent sees its peak memory. A language window that asks for a
// confirmation first is confirmed, and so is a message box met on the way.
#include <QAbstractButton>
#include <QApplication>
#include <QGenericPlugin>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>

namespace {

class Watcher : public QObject
{
public:
    explicit Watcher(QString awaited) : m_awaited(std::move(awaited)) { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || !widget->isWindow())
            return false;
        if (event->type() == QEvent::Show)
            confirm(widget);
        // Only a window on the screen counts: a hidden one may be painted into a picture.
        if (event->type() == QEvent::Paint && !m_seen && widget->isVisible() && widget->objectName() == m_awaited) {
            m_seen = true;
            // Noted once this paint pass has been flushed, that is when the clerk sees the window.
            QTimer::singleShot(0, qApp, [] {
                const auto now = std::chrono::steady_clock::now().time_since_epoch();
                std::printf("shown %lld\n",
                            static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return false;
    }

private:
    static void confirm(QWidget* window)
    {
        QAbstractButton* button = nullptr;
        if (window->objectName() == QLatin1String("frmSetLanguage"))
            button = window->findChild<QAbstractButton*>(QStringLiteral("Command1"));
        else if (auto* box = qobject_cast<QMessageBox*>(window))
            button = box->defaultButton();
        if (button)
            QTimer::singleShot(0, button, [button] { button->click(); });
    }

    QString m_awaited;
    bool m_seen = false;
};

} // namespace

class StartupProbe : public QGenericPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "startup_probe.json")

public:
    QObject* create(const QString&, const QString& key) override { return new Watcher(key); }
};

#include "startup_probe.moc"
