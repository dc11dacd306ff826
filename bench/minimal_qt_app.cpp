// The yardstick for start-up: the least a Qt Widgets program with a main window, a menu and a
// five-column list does before its window is on the screen. With --splash-second it first shows an
// empty splash whose one-second precise timer shows the main window, as the program's splash does.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>
#include <QTreeWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setObjectName(QStringLiteral("MinimalWindow"));
    window.setWindowTitle(QStringLiteral("Minimal"));
    window.menuBar()->addMenu(QStringLiteral("&Arkiv"))->addAction(QStringLiteral("Öppna"));
    auto* list = new QTreeWidget(&window);
    list->setColumnCount(5);
    list->setHeaderLabels({QStringLiteral("Artikelnr"), QStringLiteral("Benämning"), QStringLiteral("á-pris"),
                           QStringLiteral("Antal"), QStringLiteral("Enhet")});
    list->setRootIsDecorated(false);
    window.setCentralWidget(list);
    window.resize(585, 387);
    QWidget splash(nullptr, Qt::SplashScreen);
    QTimer second;
    if (argc > 1 && qstrcmp(argv[1], "--splash-second") == 0) {
        splash.resize(305, 185);
        second.setSingleShot(true);
        second.setTimerType(Qt::PreciseTimer);
        QObject::connect(&second, &QTimer::timeout, &window, [&] {
            window.show();
            splash.close();
        });
        second.start(1000);
        splash.show();
    } else {
        window.show();
    }
    return QApplication::exec();
}
