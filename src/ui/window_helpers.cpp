#include "ui/window_helpers.h"

#include "ui/twips.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QScreen>

namespace ui {

namespace {
constexpr int kStatusBarTwips = 375;
}

QStatusBar* addStatusBar(QWidget* window, const QString& objectName)
{
    auto* bar = new QStatusBar(window);
    bar->setObjectName(objectName);
    bar->setSizeGripEnabled(false);
    auto* panel = new QLabel(bar);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Sunken);
    bar->addWidget(panel, 1);
    dockStatusBar(window, bar);
    return bar;
}

void setStatusText(QStatusBar* bar, const QString& text)
{
    if (auto* panel = bar->findChild<QLabel*>(QStringLiteral("Panel1")))
        panel->setText(text);
}

void dockStatusBar(QWidget* window, QStatusBar* bar)
{
    const int height = twipsToPixels(kStatusBarTwips);
    bar->setGeometry(0, window->height() - height, window->width(), height);
    bar->raise();
}

void centreOnScreen(QWidget* window)
{
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    QRect frame = window->frameGeometry();
    if (frame.size() == window->size())
        frame.setSize(window->size() + QSize(8, 31)); // not shown yet: allow for title bar and borders
    window->move(area.center() - QPoint(frame.width() / 2, frame.height() / 2));
}

QString displayText(QString caption)
{
    caption.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    caption.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return caption;
}

QString shownValue(const QString& value)
{
    if (value.size() <= kLongestShownText)
        return value;
    return value.left(kLongestShownText - 1) + QChar(0x2026);
}

void setColour(QWidget* control, QPalette::ColorRole role, const QColor& colour)
{
    QPalette palette = control->palette();
    palette.setColor(role, colour);
    control->setPalette(palette);
}

void rehearsePaint(QWidget* window)
{
    constexpr int kStrip = 32;
    QPixmap strip(window->width(), kStrip);
    for (int y = 0; y < window->height(); y += kStrip)
        window->render(&strip, QPoint(), QRegion(0, y, window->width(), kStrip));
}

} // namespace ui
