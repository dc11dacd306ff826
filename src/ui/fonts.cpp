#include "ui/fonts.h"

#include "ui/text_room_style.h"

#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QStyleFactory>

namespace ui {

namespace {
bool g_registered = false;
bool g_tahoma = false;
bool g_marlett = false;

bool addFont(const QString& path)
{
    return QFile::exists(path) && QFontDatabase::addApplicationFont(path) >= 0;
}
} // namespace

void registerFonts()
{
    if (g_registered)
        return;
    g_registered = true;
    // fontconfig does not scan this folder, so the files are added by hand.
    const QString folder = QStringLiteral("/usr/share/wine/fonts/");
    g_tahoma = addFont(folder + QStringLiteral("tahoma.ttf")) || QFontDatabase::hasFamily(QStringLiteral("Tahoma"));
    g_marlett = addFont(folder + QStringLiteral("marlett.ttf")) || QFontDatabase::hasFamily(QStringLiteral("Marlett"));
    if (qobject_cast<QApplication*>(QCoreApplication::instance()))
        QApplication::setStyle(new TextRoomStyle(QStyleFactory::create(QApplication::style()->name())));
}

QFont formFont()
{
    registerFonts();
    QFont font(g_tahoma ? QStringLiteral("Tahoma") : QFont().family());
    if (!g_tahoma)
        font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    return font;
}

bool hasMarlett()
{
    registerFonts();
    return g_marlett;
}

int textRowHeight(const QFontMetrics& metrics)
{
    const int marksAbove = -metrics.boundingRect(QStringLiteral("ÅÄÖÉ")).top() - metrics.ascent();
    return metrics.height() + 2 * qMax(0, marksAbove) + 2;
}

} // namespace ui
