#pragma once

#include "ui/form.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

// The window every run starts with: the user confirms a language, which is loaded and applied
// before the splash window opens.
class frmSetLanguage : public ui::Form
{
    Q_OBJECT

public:
    static frmSetLanguage* instance();
    static frmSetLanguage* existing();

    frmSetLanguage();

    QLabel* Label1;
    QComboBox* Combo1;
    QPushButton* Command1;
    QPushButton* Command2;

private:
    void Command1_Click();
};
