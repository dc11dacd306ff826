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

// fontconfig does not scan Wine's font folder, so its files are added by hand.
bool addWineFont(const QString& file)
{
    const QString path = QStringLiteral("/usr/share/wine/fonts/") + file;
    return QFile::exists(path) && QFontDatabase::addApplicationFont(path) >= 0;
}
} // namespace

void registerFonts()
{
    if (g_registered)
        return;
    g_registered = true;
    g_tahoma = addWineFont(QStringLiteral("tahoma.ttf")) || QFontDatabase::hasFamily(QStringLiteral("Tahoma"));
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
    // Only glyph buttons use it, and the first window has none: it is added when first asked for,
    // which keeps a font file off the way to the first window.
    static const bool added =
        addWineFont(QStringLiteral("marlett.ttf")) || QFontDatabase::hasFamily(QStringLiteral("Marlett"));
    return added;
}

int textRowHeight(const QFontMetrics& metrics)
{
    const int marksAbove = -metrics.boundingRect(QStringLiteral("ÅÄÖÉ")).top() - metrics.ascent();
    return metrics.height() + 2 * qMax(0, marksAbove) + 2;
}

} // namespace ui
