#include "data/app_folder.h"
#include "data/remembered_orders.h"
#include "language/language_window.h"
#include "order_entry/new_order_window.h"
#include "ui/first_paint.h"
#include "ui/fonts.h"
#include "ui/message_box.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ZEL2007"));
    QApplication::setApplicationVersion(
        QStringLiteral("%1.%2.%3").arg(ZEL_VERSION_MAJOR).arg(ZEL_VERSION_MINOR).arg(ZEL_VERSION_PATCH));
    // The program ends when its last loaded window is unloaded, not when the last one is hidden.
    QApplication::setQuitOnLastWindowClosed(false);
    ui::registerFonts();
    QApplication::setFont(ui::formFont());
    // Before any window reads a file: an installed program keeps the data in the user's own folder.
    QString error;
    if (!data::settleApplicationFolder(QCoreApplication::applicationDirPath(), &error)) {
        ui::MsgBox(error, ui::vbCritical);
        return 1;
    }

    frmSetLanguage::instance()->showForm();
    // The earlier orders are first wanted in the new-order window: they are read, on a thread of
    // their own, a moment after it is on the screen, so that reading them never holds up a window
    // nor its first frames; no clerk types into it sooner.
    constexpr int kMemoryAfterMs = 250;
    ui::afterFirstPaint([](const QWidget* window) { return qobject_cast<const frmZelOrderNew*>(window) != nullptr; },
                        [] { data::RememberedOrders::instance()->start(); }, kMemoryAfterMs);
    return QApplication::exec();
}
