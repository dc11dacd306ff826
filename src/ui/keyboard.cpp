#include "ui/keyboard.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

namespace ui {

namespace {
// Runs an action for one key sent to the control it watches.
class KeyAction : public QObject
{
public:
    KeyAction(QWidget* control, int key, std::function<void()> action)
        : QObject(control), m_key(key), m_action(std::move(action))
    {
        control->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const auto* press = static_cast<QKeyEvent*>(event);
        int key = press->key();
        if (key == Qt::Key_Enter)
            key = Qt::Key_Return;
        if (key != m_key || (press->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        m_action();
        return true;
    }

private:
    int m_key;
    std::function<void()> m_action;
};
} // namespace

void onKey(QWidget* control, int key, std::function<void()> action)
{
    new KeyAction(control, key == Qt::Key_Enter ? int(Qt::Key_Return) : key, std::move(action));
}

void chooseWith(QAbstractItemView* list, QAbstractButton* button)
{
    onKey(list, Qt::Key_Return, [button] { button->click(); });
    QObject::connect(list, &QAbstractItemView::doubleClicked, button, [button] { button->click(); });
}

QChar mnemonicLetter(const QString& caption)
{
    for (int i = 0; i + 1 < caption.size(); ++i) {
        if (caption.at(i) != QLatin1Char('&'))
            continue;
        if (caption.at(i + 1) != QLatin1Char('&'))
            return caption.at(i + 1).toLower();
        ++i;
    }
    return {};
}

QString carryMnemonic(const QString& oldCaption, const QString& newCaption, const QString& taken)
{
    const QChar letter = mnemonicLetter(oldCaption);
    if (letter.isNull() || !mnemonicLetter(newCaption).isNull())
        return newCaption;
    int same = -1;
    int free = -1;
    for (int i = 0; i < newCaption.size(); ++i) {
        const QChar c = newCaption.at(i);
        if (c == QLatin1Char('&')) {
            ++i; // "&&", a plain "&"
            continue;
        }
        if (!c.isLetterOrNumber() || taken.contains(c.toLower()))
            continue;
        if (same < 0 && c.toLower() == letter)
            same = i;
        if (free < 0)
            free = i;
    }
    const int at = same >= 0 ? same : free;
    if (at < 0)
        return newCaption;
    return QString(newCaption).insert(at, QLatin1Char('&'));
}

QString mnemonicsTaken(const QWidget* scope, const QObject* except)
{
    QList<QAction*> actions;
    QStringList captions;
    if (const auto* menu = qobject_cast<const QMenu*>(scope)) {
        actions = menu->actions();
    } else {
        for (const QMenuBar* bar : scope->findChildren<QMenuBar*>())
            actions += bar->actions();
        for (const QAbstractButton* button : scope->findChildren<QAbstractButton*>()) {
            if (button != except)
                captions << button->text();
        }
    }
    for (const QAction* action : actions) {
        if (action != except)
            captions << action->text();
    }
    QString taken;
    for (const QString& caption : captions) {
        const QChar letter = mnemonicLetter(caption);
        if (!letter.isNull())
            taken += letter;
    }
    return taken;
}

} // namespace ui
