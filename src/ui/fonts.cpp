#include "ui/fonts.h"

#include <QFile>
#include <QFontDatabase>

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

} // namespace ui
