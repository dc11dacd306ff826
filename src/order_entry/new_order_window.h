#pragma once

#include "ui/form.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

class QAction;
class QGroupBox;
class QMenuBar;
class QStatusBar;

namespace ui {
class GlyphButton;
class ReportListView;
} // namespace ui

// The main window: one new order per run, its number and date taken from the clock on load.
class frmZelOrderNew : public ui::Form
{
    Q_OBJECT

public:
    static frmZelOrderNew* instance();
    static frmZelOrderNew* existing();

    frmZelOrderNew();

    static inline const QString kDefaultSeller = QStringLiteral("ORDERMOTTAGARE");
    static inline const QString kSavedStatus = QStringLiteral("1, Created not printed");

    QMenuBar* menuBar;
    QAction* mnuOppna;
    QGroupBox* Frame1;
    QLabel* Label1[3];
    QLineEdit* Text1;
    QLineEdit* Text2;
    QLineEdit* Text3;
    QLineEdit* Text4;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* dbOrderNr;
    QLabel* dbOrderDag;
    QLabel* dbSaljare;
    QLabel* dbStatus;
    QLabel* dbStatusText;
    ui::GlyphButton* Command8;
    QPushButton* Command9;
    QGroupBox* Frame2;
    QLabel* Label6;
    QLineEdit* txtLevNr;
    ui::GlyphButton* Command1;
    QLabel* dbLevName;
    ui::ReportListView* ListView1;
    QPushButton* Command2;
    QPushButton* Command3;
    QPushButton* Command4;
    QPushButton* Command6;
    QPushButton* Command5;
    QLabel* msg1;
    QLabel* msg2;
    QLabel* msg3;
    QLabel* msg4;
    QStatusBar* StatusBar1;

    // Names the inputs and value labels after the captions beside them, as they read now; the
    // language runs it again once it has changed the captions.
    void nameControls();

    // The values the order data file holds, in file order.
    QStringList orderDataValues() const;

protected:
    void Form_Load() override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Command1_Click();
    void Command2_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command8_Click();
    void mnuOppna_Click();
};
