#pragma once

#include "ui/form.h"

#include <QLabel>
#include <QPushButton>

namespace ui {
class ReportListView;
}

// What sets one picker apart from another at design time.
struct PickerDesign
{
    QString name;
    QString title;
    int clientWidthTwips = 0;
    QString listPath;
    QString firstHeader;
    int firstWidthTwips = 0;
    QString secondHeader;
    int secondWidthTwips = 0;
    // Tab goes from the list to "Avbryt" before "Välj".
    bool cancelBeforeChoose = false;
    // The first line of the question asked before a row is taken.
    QString confirmationHeading;
};

// A window that lists a reference list and, after the user confirms, writes the chosen row's two
// values into the new-order window. The list is read when the window loads and never again.
class PickerWindow : public ui::Form
{
    Q_OBJECT

public:
    ui::ReportListView* ListView1;
    QPushButton* Command1;
    QPushButton* Command2;
    // The question before a row is taken: its heading, its last line and its title.
    QLabel* msgRubrik;
    QLabel* msgFraga;
    QLabel* msgTitel;

    // Names the list after the window's title as it reads now; the language runs it again once it
    // has changed the title.
    void nameControls();

    // A window whose list could not be read must not be shown; loadError() says why.
    bool loadFailed() const { return m_loadFailed; }
    QString loadError() const { return m_loadError; }

protected:
    explicit PickerWindow(const PickerDesign& design);

    void Form_Load() override;

    // The question asked before a row is taken, from the row's text and first sub-item.
    virtual QString confirmationPrompt(const QString& text, const QString& subItem) const = 0;
    // Writes the confirmed row into the new-order window.
    virtual void writeChoice(const QString& text, const QString& subItem) = 0;

    // The confirmation text both pickers use: heading, the two values on lines of their own, question.
    QString confirmation(const QString& firstValue, const QString& secondValue) const;

    // Shows the picker, or tells the user why its list could not be read and discards it.
    static void showOrReport(PickerWindow* picker);

private:
    void Command1_Click();
    void Command2_Click();
    // The row "Välj" acts on, or -1 when none is selected.
    int chosenRow() const;

    QString m_listPath;
    bool m_loadFailed = false;
    QString m_loadError;
};
