#pragma once

#include "pickers/picker_window.h"

// Chooses the order's supplier from the supplier list: number into txtLevNr, name into dbLevName.
class frmLeverantor : public PickerWindow
{
    Q_OBJECT

public:
    static frmLeverantor* instance();
    static frmLeverantor* existing();
    // Shows the single instance, reading the list first when the window is created.
    static void open();

    frmLeverantor();

protected:
    QString confirmationPrompt(const QString& text, const QString& subItem) const override;
    void writeChoice(const QString& text, const QString& subItem) override;
};
