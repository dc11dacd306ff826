#include "ui/keyboard.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

namespace ui {

namespace {
// Hands the events sent to one control to a handler first; what it handles goes no further.
class EventAction : public QObject
{
public:
    EventAction(QWidget* control, std::function<bool(QEvent*)> handler)
        : QObject(control), m_handler(std::move(handler))
    {
        control->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override { return m_handler(event); }

private:
    std::function<bool(QEvent*)> m_handler;
};

// Enter and the keypad's Enter count as one key.
int plainKey(const QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return 0;
    const auto* press = static_cast<const QKeyEvent*>(event);
    if ((press->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return 0;
    return press->key() == Qt::Key_Enter ? int(Qt::Key_Return) : press->key();
}
} // namespace

void onKey(QWidget* control, int key, std::function<void()> action)
{
    if (key == Qt::Key_Enter)
        key = Qt::Key_Return;
    new EventAction(control, [key, action = std::move(action)](QEvent* event) {
        if (plainKey(event) != key)
            return false;
        action();
        return true;
    });
}

void chooseWith(QAbstractItemView* list, QAbstractButton* button)
{
    onKey(list, Qt::Key_Return, [button] { button->click(); });
    QObject::connect(list, &QAbstractItemView::doubleClicked, button, [button] { button->click(); });
}

void chooseWith(QComboBox* list, QAbstractButton* button)
{
    onKey(list, Qt::Key_Return, [button] { button->click(); });
    new EventAction(list, [button](QEvent* event) {
        if (event->type() != QEvent::MouseButtonDblClick)
            return false;
        button->click();
        return true;
    });
    // A double-click on the closed list opens it at the first click and lands on an entry at the second.
    QAbstractItemView* entries = list->view();
    new EventAction(entries->viewport(), [list, entries, button](QEvent* event) {
        if (event->type() != QEvent::MouseButtonDblClick)
            return false;
        const QModelIndex entry = entries->indexAt(static_cast<QMouseEvent*>(event)->position().toPoint());
        if (!entry.isValid())
            return false;
        list->setCurrentIndex(entry.row());
        list->hidePopup();
        button->click();
        return true;
    });
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
    // Any "&" in the words is half of a plain "&&", and no letter.
    for (int i = 0; i < newCaption.size(); ++i) {
        const QChar c = newCaption.at(i);
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
