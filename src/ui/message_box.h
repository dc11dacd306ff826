#pragma once

#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

namespace ui {

// Styles are sums of a button set, an icon and the default button; answers are the button pressed.
enum MsgBoxStyle {
    vbOKOnly = 0,
    vbYesNo = 4,
    vbCritical = 16,
    vbQuestion = 32,
    vbInformation = 64,
    // The second button (Nej) is the default, for a question whose Ja destroys something.
    vbDefaultButton2 = 256,
};
enum MsgBoxAnswer {
    vbOK = 1,
    vbYes = 6,
    vbNo = 7,
};

inline const QString kApplicationTitle = QStringLiteral("ZEL2007");

// Shows a modal message box and returns the answer. Without a title the box shows "ZEL2007".
int MsgBox(const QString& prompt, int style = vbOKOnly, const QString& title = QString());

// The words on the Yes and No buttons of a question, "Ja" and "Nej" until the language gives its own.
void setAnswerWords(const QString& yes, const QString& no);
QStringList answerWords();

// The one seam through which tests answer message boxes and read what they asked.
class MessageBoxScript
{
public:
    struct Shown
    {
        QString prompt;
        int style = 0;
        QString title;
        int defaultAnswer = 0; // what Enter would answer: vbOK, vbYes or vbNo
    };

    // From now on boxes are answered by script and not shown. A box with no queued answer
    // gets its default button and is counted as unexpected.
    static void start();
    static void stop();
    static bool active();

    static void answerNext(int answer);
    static std::optional<int> takeAnswer();
    static int pendingAnswers();

    static void record(const Shown& shown);
    static QVector<Shown> shown();
    static int unexpected();
    static void noteUnexpected();
};

} // namespace ui
