#include "ui/message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

// The real box, pressed by its buttons: every other test answers boxes by script.
class TestMessageBox : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void pressed_data();
    void pressed();
};

void TestMessageBox::init()
{
    ui::MessageBoxScript::stop();
    // The headless platform says this once for every box shown; it is no fault of the box.
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        QTest::ignoreMessage(QtWarningMsg, "This plugin does not support propagateSizeHints()");
}

void TestMessageBox::cleanup()
{
    ui::MessageBoxScript::start();
}

void TestMessageBox::pressed_data()
{
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("press"); // a button's text; empty: the Escape key; "\r": the Enter key
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("shownTitle");
    QTest::addColumn<QString>("shownText");
    QTest::addColumn<int>("icon");
    QTest::addColumn<QString>("defaultButton");
    QTest::addColumn<int>("scriptedDefault"); // what a scripted box left unanswered returns

    QTest::newRow("Ja") << "Ta bort raden?" << 36 << "Ta bort"
                        << "Ja" << 6 << "Ta bort"
                        << "Ta bort raden?" << int(QMessageBox::Question) << "Ja" << 6;
    QTest::newRow("Nej, line breaks shown") << "Spara\r\nordern?" << 4 << ""
                                            << "Nej" << 7 << "ZEL2007"
                                            << "Spara\nordern?" << int(QMessageBox::NoIcon) << "Ja" << 6;
    QTest::newRow("Escape answers Nej") << "Avsluta?" << 36 << ""
                                        << "" << 7 << "ZEL2007"
                                        << "Avsluta?" << int(QMessageBox::Question) << "Ja" << 6;
    QTest::newRow("Nej the default, Enter answers Nej") << "Makulera?" << 292 << "Makulera"
                                                        << "\r" << 7 << "Makulera"
                                                        << "Makulera?" << int(QMessageBox::Question) << "Nej" << 7;
    QTest::newRow("Nej the default, Ja pressed") << "Makulera?" << 292 << "Makulera"
                                                 << "Ja" << 6 << "Makulera"
                                                 << "Makulera?" << int(QMessageBox::Question) << "Nej" << 7;
    QTest::newRow("OK") << "Filen finns inte." << 16 << "Fel"
                        << "OK" << 1 << "Fel"
                        << "Filen finns inte." << int(QMessageBox::Critical) << "OK" << 1;
    QTest::newRow("OK with information") << "Sparad." << 64 << ""
                                         << "OK" << 1 << "ZEL2007"
                                         << "Sparad." << int(QMessageBox::Information) << "OK" << 1;
}

void TestMessageBox::pressed()
{
    QFETCH(QString, prompt);
    QFETCH(int, style);
    QFETCH(QString, title);
    QFETCH(QString, press);
    QFETCH(int, answer);
    QFETCH(QString, shownTitle);
    QFETCH(QString, shownText);
    QFETCH(int, icon);
    QFETCH(QString, defaultButton);
    QFETCH(int, scriptedDefault);

    QString seenTitle, seenText, seenDefault;
    int seenIcon = -1;
    bool pressedIt = false;
    int tries = 0;
    QObject timers; // a retry still pending when the row ends is dropped with it
    // Waits for the modal box, notes what it shows and presses the button. A box that never
    // comes or lacks the button is closed, so a fault fails the row instead of hanging the run.
    std::function<void()> answerBox = [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            if (++tries < 100) {
                QTimer::singleShot(20, &timers, answerBox);
                return;
            }
            for (QWidget* window : QApplication::topLevelWidgets()) {
                if (auto* other = qobject_cast<QMessageBox*>(window))
                    other->reject();
            }
            return;
        }
        seenTitle = box->windowTitle();
        seenText = box->text();
        seenIcon = int(box->icon());
        seenDefault = box->defaultButton() ? box->defaultButton()->text() : QString();
        if (press.isEmpty() || press == QLatin1String("\r")) {
            QTest::keyClick(box, press.isEmpty() ? Qt::Key_Escape : Qt::Key_Return);
            pressedIt = true;
            return;
        }
        for (QPushButton* button : box->findChildren<QPushButton*>()) {
            if (button->text() == press) {
                QTest::mouseClick(button, Qt::LeftButton);
                pressedIt = true;
                return;
            }
        }
        box->reject();
    };
    QTimer::singleShot(0, &timers, answerBox);

    const int got = ui::MsgBox(prompt, style, title);
    QVERIFY2(pressedIt, qPrintable(QStringLiteral("no box with the button \"%1\"").arg(press)));
    QCOMPARE(got, answer);
    QCOMPARE(seenTitle, shownTitle);
    QCOMPARE(seenText, shownText);
    QCOMPARE(seenIcon, icon);
    QCOMPARE(seenDefault, defaultButton);

    // Scripted, the box records its default button, and one left unanswered gets that answer.
    ui::MessageBoxScript::start();
    QCOMPARE(ui::MsgBox(prompt, style, title), scriptedDefault);
    QCOMPARE(ui::MessageBoxScript::shown().size(), 1);
    QCOMPARE(ui::MessageBoxScript::shown().at(0).defaultAnswer, scriptedDefault);
    QCOMPARE(ui::MessageBoxScript::unexpected(), 1);
    ui::MessageBoxScript::stop();
}

QTEST_MAIN(TestMessageBox)
#include "tst_message_box.moc"
