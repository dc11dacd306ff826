#pragma once

#include "ui/form.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

// Enters one article line: "OK" appends it to the order's basket file and to the new-order window's list.
class frmAdd : public ui::Form
{
    Q_OBJECT

public:
    static frmAdd* instance();
    static frmAdd* existing();

    frmAdd();

    static const QStringList& units();

    // Names the inputs after the captions beside them, as they read now; the language runs it
    // again once it has changed the captions.
    void nameControls();

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLineEdit* Text1;
    QLineEdit* Text2;
    QLineEdit* Text3;
    QLineEdit* Text4;
    QComboBox* Combo1;
    QLabel* msg1;
    QLabel* msg2;
    QPushButton* Command1;
    QPushButton* Command2;

protected:
    void Form_Load() override;

private:
    void Command1_Click();
    void Command2_Click();
};
