#pragma once

#include "data/order_line.h"
#include "order_entry/remembered_fill.h"
#include "ui/form.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

class QCompleter;

// Enters one article line: "OK" appends it to the order's basket file and to the new-order window's list.
// Opened to change a line instead, "OK" replaces that line in both and closes the dialog.
// An article number used before is offered while it is typed, and once chosen or typed in full it
// brings the description, price and unit of its most recent line, the order's supplier's first.
class frmAdd : public ui::Form
{
    Q_OBJECT

public:
    static frmAdd* instance();
    static frmAdd* existing();

    frmAdd();

    static const QStringList& units();

    // Fills the dialog with the line at `row` of the new-order window's list, under a title of its
    // own, and shows it; "OK" then replaces that line.
    void changeLine(int row, const data::OrderLine& line);
    // Back to entering new lines, as the dialog starts.
    void startAdding();
    bool changing() const { return m_changingRow >= 0; }

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
    QLabel* msg3; // the title while a line is changed
    QLabel* msg4; // prompt and title when the line could not be written
    QLabel* msg5;
    QPushButton* Command1;
    QPushButton* Command2;

protected:
    void Form_Load() override;

private:
    void Command1_Click();
    void Command2_Click();
    void changeChosenLine(const data::OrderLine& line);
    void showUnit(const QString& unit);
    // A line begins empty: nothing in it is typed or filled in yet.
    void beginLine();
    void suggestArticles(const QString& typed);
    void fillRemembered(const QString& article);

    int m_changingRow = -1;
    data::OrderLine m_original;
    QString m_addingTitle;
    QCompleter* m_suggestions;
    RememberedFill m_fill;
    // The clerk picked the unit for this line; a remembered one no longer replaces it.
    bool m_unitChosen = false;
};
