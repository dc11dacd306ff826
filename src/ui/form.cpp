#include "ui/form.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QTimer>

namespace ui {

namespace {
std::function<void(Form*)>& afterLoadHook()
{
    static std::function<void(Form*)> hook;
    return hook;
}

std::function<void()>& endHandler()
{
    static std::function<void()> handler = [] { QCoreApplication::quit(); };
    return handler;
}

QList<Form*>& registry()
{
    static QList<Form*> forms;
    return forms;
}

bool g_ending = false;
} // namespace

Form::Form(QWidget* parent) : QWidget(parent, Qt::Window)
{
    registry().append(this);
}

void Form::setAfterLoadHook(std::function<void(Form*)> hook)
{
    afterLoadHook() = std::move(hook);
}

void Form::runLoad()
{
    Form_Load();
    if (afterLoadHook())
        afterLoadHook()(this);
}

void Form::showForm()
{
    // A window shown just now is on top already; only one that was open needs bringing forward.
    const bool wasVisible = isVisible();
    show();
    if (wasVisible)
        raise();
    activateWindow();
}

void Form::unload()
{
    if (m_unloading)
        return;
    m_unloading = true;
    registry().removeOne(this);
    hide();
    Q_EMIT unloaded();
    deleteLater();
    if (g_ending)
        return;
    // The program ends with its last loaded window, once the handler that unloaded it has finished
    // (a handler may unload its own window and then show another).
    QTimer::singleShot(0, qApp, [] {
        if (registry().isEmpty())
            endProgram();
    });
}

void Form::closeEvent(QCloseEvent* event)
{
    event->accept();
    unload();
}

void Form::closeOnEscape(QAbstractButton* cancel)
{
    m_closeOnEscape = true;
    m_escapeButton = cancel;
}

void Form::keyPressEvent(QKeyEvent* event)
{
    // Esc comes here only when the control with the focus left it alone.
    if (m_closeOnEscape && event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        if (m_escapeButton)
            m_escapeButton->click();
        else
            close();
        return;
    }
    QWidget::keyPressEvent(event);
}

QList<Form*> loadedForms()
{
    return registry();
}

void endProgram()
{
    g_ending = true;
    const QList<Form*> forms = registry();
    for (Form* form : forms)
        form->unload();
    g_ending = false;
    endHandler()();
}

void setEndHandler(std::function<void()> handler)
{
    endHandler() = std::move(handler);
}

} // namespace ui
