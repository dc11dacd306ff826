#include "ui/message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QQueue>

namespace ui {

namespace {
struct ScriptState
{
    bool active = false;
    QQueue<int> answers;
    QVector<MessageBoxScript::Shown> shown;
    int unexpected = 0;
};

ScriptState& script()
{
    static ScriptState state;
    return state;
}

QStringList& words()
{
    static QStringList yesNo{QStringLiteral("Ja"), QStringLiteral("Nej")};
    return yesNo;
}

// Texts keep CR LF as stored; the toolkit breaks lines on LF only.
QString forDisplay(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}
} // namespace

int MsgBox(const QString& prompt, int style, const QString& title)
{
    const QString shownTitle = title.isEmpty() ? kApplicationTitle : title;
    const bool yesNo = (style & 0x0F) == vbYesNo;
    const bool noByDefault = yesNo && (style & vbDefaultButton2);
    const int defaultAnswer = !yesNo ? vbOK : noByDefault ? vbNo : vbYes;

    if (MessageBoxScript::active()) {
        MessageBoxScript::record({prompt, style, shownTitle, defaultAnswer});
        if (std::optional<int> answer = MessageBoxScript::takeAnswer())
            return *answer;
        MessageBoxScript::noteUnexpected();
        return defaultAnswer;
    }

    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(shownTitle);
    box.setTextFormat(Qt::PlainText);
    box.setText(forDisplay(prompt));
    switch (style & 0xF0) {
    case vbCritical:
        box.setIcon(QMessageBox::Critical);
        break;
    case vbQuestion:
        box.setIcon(QMessageBox::Question);
        break;
    case vbInformation:
        box.setIcon(QMessageBox::Information);
        break;
    default:
        box.setIcon(QMessageBox::NoIcon);
        break;
    }
    if (yesNo) {
        QPushButton* yes = box.addButton(words().at(0), QMessageBox::YesRole);
        QPushButton* no = box.addButton(words().at(1), QMessageBox::NoRole);
        box.setDefaultButton(noByDefault ? no : yes);
        box.setEscapeButton(no);
        box.exec();
        return box.clickedButton() == yes ? vbYes : vbNo;
    }
    QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
    return vbOK;
}

void setAnswerWords(const QString& yes, const QString& no)
{
    words() = QStringList{yes, no};
}

QStringList answerWords()
{
    return words();
}

void MessageBoxScript::start()
{
    script() = ScriptState{};
    script().active = true;
}

void MessageBoxScript::stop()
{
    script() = ScriptState{};
}

bool MessageBoxScript::active()
{
    return script().active;
}

void MessageBoxScript::answerNext(int answer)
{
    script().answers.enqueue(answer);
}

std::optional<int> MessageBoxScript::takeAnswer()
{
    if (script().answers.isEmpty())
        return std::nullopt;
    return script().answers.dequeue();
}

int MessageBoxScript::pendingAnswers()
{
    return int(script().answers.size());
}

void MessageBoxScript::record(const Shown& shown)
{
    script().shown.append(shown);
}

QVector<MessageBoxScript::Shown> MessageBoxScript::shown()
{
    return script().shown;
}

int MessageBoxScript::unexpected()
{
    return script().unexpected;
}

void MessageBoxScript::noteUnexpected()
{
    ++script().unexpected;
}

} // namespace ui
