#include "language/language_window.h"
#include "ui/fonts.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ZEL2007"));
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3").arg(ZEL_VERSION_MAJOR).arg(ZEL_VERSION_MINOR).arg(ZEL_VERSION_PATCH));
    // The program ends when its last loaded window is unloaded, not when the last one is hidden.
    QApplication::setQuitOnLastWindowClosed(false);
    ui::registerFonts();
    QApplication::setFont(ui::formFont());

    frmSetLanguage::instance()->showForm();
    return QApplication::exec();
}
