#pragma once

#include "pickers/picker_window.h"

// Chooses the order's status from the order status list: id into dbStatus, description into dbStatusText.
class frmOrderStatus : public PickerWindow
{
    Q_OBJECT

public:
    static frmOrderStatus* instance();
    static frmOrderStatus* existing();
    // Shows the single instance, reading the list first when the window is created.
    static void open();

    frmOrderStatus();

protected:
    QString confirmationPrompt(const QString& text, const QString& subItem) const override;
    void writeChoice(const QString& text, const QString& subItem) override;
};
