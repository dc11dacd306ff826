#pragma once

#include "data/order_delivery.h"
#include "ui/form.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

class QTableWidget;

// "Leverera": what arrives now against the shown order, line by line, on one date. "OK" records one
// delivery, "Avsluta rest" records that what is still missing will not come; either moves the
// order's status along.
class frmLeverera : public ui::Form
{
    Q_OBJECT

public:
    static frmLeverera* instance();
    static frmLeverera* existing();

    frmLeverera();

    // Shows the order's lines with what has arrived so far; false after telling the clerk why not.
    bool openFor(const QString& orderNumber);

    QLabel* lblDatum;
    QLineEdit* txtDatum;
    QTableWidget* tblRader;
    QPushButton* Command1; // OK
    QPushButton* Command2; // Avbryt
    QPushButton* Command3; // Avsluta rest
    // The window's name, which its questions and notices carry as their title, and their words.
    QLabel* msgTitel;
    QLabel* msgLevererad; // a line whose quantity is text arrives whole, as this check box
    QLabel* msgMerAnRest; // row, article, description, quantity, rest
    QLabel* msgIngentingNu;
    QLabel* msgIngetKvar;
    QLabel* msgAvslutaRest;
    QLabel* msgAvslutaRestTitel;
    QLabel* msgEjSparad;   // reason
    QLabel* msgStatusKvar; // reason

Q_SIGNALS:
    // A delivery or a closing was recorded for the order.
    void recorded(const QString& orderNumber);

private:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void record(const QVector<data::DeliveryRecord>& records);

    QString m_number;
    QVector<data::OrderLine> m_lines;
    QVector<data::LineDelivery> m_standing;
};
