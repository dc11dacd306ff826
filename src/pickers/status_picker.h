#pragma once

#include "pickers/picker_window.h"

#include <QPointer>

class StatusReceiver;

// Chooses an order's status from the order status list and hands it to the window that opened it:
// the new-order window (id into dbStatus, description into dbStatusText) or the order list window.
class frmOrderStatus : public PickerWindow
{
    Q_OBJECT

public:
    static frmOrderStatus* instance();
    static frmOrderStatus* existing();
    // Shows the single instance, reading the list first when the window is created. The choice goes to
    // `receiver`, a window, which must still be loaded when the choice is made.
    static void open(StatusReceiver* receiver);

    frmOrderStatus();

protected:
    QString confirmationPrompt(const QString& text, const QString& subItem) const override;
    void writeChoice(const QString& text, const QString& subItem) override;

private:
    StatusReceiver* m_receiver = nullptr;
    QPointer<QObject> m_receiverWindow; // tells whether the receiver still exists
};
