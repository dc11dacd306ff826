#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>

class QAbstractButton;

namespace ui {

// A window of the forms runtime: its constructor builds the controls with their design texts,
// Form_Load runs once it is loaded, and unloading discards it with everything it holds.
class Form : public QWidget
{
    Q_OBJECT

public:
    explicit Form(QWidget* parent = nullptr);

    // Show without modality and bring to the front; the caller goes on at once.
    void showForm();

    // Discards the window and its controls; the next use loads it afresh.
    void unload();

    bool isUnloading() const { return m_unloading; }

    // Esc closes the window: it presses `cancel` ("Avbryt", "Stäng") when given, else it does what
    // the close box does. A control that has a use for Esc itself keeps it.
    void closeOnEscape(QAbstractButton* cancel = nullptr);

    // Runs right after a window's Form_Load; the language uses it to give re-created windows their texts.
    static void setAfterLoadHook(std::function<void(Form*)> hook);
    void runLoad();

Q_SIGNALS:
    void unloaded();

protected:
    virtual void Form_Load() {}
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool m_unloading = false;
    bool m_closeOnEscape = false;
    QPointer<QAbstractButton> m_escapeButton;
};

// Every window that is loaded now, in no particular order.
QList<Form*> loadedForms();

// Stops the program at once: every window goes and no further handler runs.
void endProgram();

// Tests replace what ending does, so the test process itself goes on.
void setEndHandler(std::function<void()> handler);

} // namespace ui
