// The yardstick for start-up: the least a Qt Widgets program with a main window, a menu and a
// five-column list does before its window is on the screen.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
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
    window.show();
    return QApplication::exec();
}
