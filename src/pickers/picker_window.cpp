#include "pickers/picker_window.h"

#include "data/reference_list.h"
#include "data/text_file.h"
#include "ui/accessible_names.h"
#include "ui/controls.h"
#include "ui/fonts.h"
#include "ui/keyboard.h"
#include "ui/message_box.h"
#include "ui/report_list_view.h"
#include "ui/twips.h"
#include "ui/window_helpers.h"

namespace {
constexpr int kClientHeight = 3375;
constexpr int kMargin = 120;
constexpr int kListWidth = 5175;
constexpr int kListHeight = 2655;
constexpr int kButtonWidth = 975;
constexpr int kButtonHeight = 375;
constexpr int kButtonGap = 120;
constexpr int kButtonTop = kMargin + kListHeight + kButtonGap;
constexpr int kCancelLeft = kMargin + kListWidth - kButtonWidth;
constexpr int kChooseLeft = kCancelLeft - kButtonGap - kButtonWidth;
} // namespace

PickerWindow::PickerWindow(const PickerDesign& design) : m_listPath(design.listPath)
{
    setObjectName(design.name);
    setWindowTitle(design.title);
    ui::setFixedDialogFrame(this);
    setFont(ui::formFont());
    ui::setClientSize(this, design.clientWidthTwips, kClientHeight);

    ListView1 = new ui::ReportListView(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setFont(ui::formFont());
    ui::place(ListView1, kMargin, kMargin, kListWidth, kListHeight);
    ListView1->addColumn(design.firstHeader, design.firstWidthTwips);
    ListView1->addColumn(design.secondHeader, design.secondWidthTwips);

    Command1 = ui::makeButton(this, QStringLiteral("Command1"), QStringLiteral("&Välj"), kChooseLeft, kButtonTop,
                              kButtonWidth, kButtonHeight);
    Command2 = ui::makeButton(this, QStringLiteral("Command2"), QStringLiteral("&Avbryt"), kCancelLeft, kButtonTop,
                              kButtonWidth, kButtonHeight);

    msgRubrik = ui::makeMessage(this, QStringLiteral("msgRubrik"), design.confirmationHeading);
    msgFraga = ui::makeMessage(this, QStringLiteral("msgFraga"), QStringLiteral("Är detta rätt ?"));
    msgTitel = ui::makeMessage(this, QStringLiteral("msgTitel"), QStringLiteral("Bekräfta"));

    nameControls();

    if (design.cancelBeforeChoose) {
        setTabOrder(ListView1, Command2);
        setTabOrder(Command2, Command1);
    } else {
        setTabOrder(ListView1, Command1);
        setTabOrder(Command1, Command2);
    }
    // The list takes the focus once the window is first shown.
    ListView1->setFocus();

    connect(Command1, &QPushButton::clicked, this, &PickerWindow::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &PickerWindow::Command2_Click);
    // Enter and a double-click on a row choose it as "Välj" does, question and all; Esc is "Avbryt".
    ui::chooseWith(ListView1, Command1);
    closeOnEscape(Command2);
    ui::centreOnScreen(this);
}

void PickerWindow::nameControls()
{
    // The list fills the window and has no caption of its own: it reads as the window's title.
    ui::speak(ListView1, windowTitle());
}

void PickerWindow::Form_Load()
{
    const qintptr style = ListView1->sendMessage(ui::kLvmGetExtendedListViewStyle, 0, 0);
    ListView1->sendMessage(ui::kLvmSetExtendedListViewStyle, 0, style | ui::kLvsExFullRowSelect);

    QVector<QStringList> records;
    if (!data::readReferenceList(m_listPath, &records, &m_loadError)) {
        m_loadFailed = true;
        return;
    }
    ListView1->addRows(records);
}

QString PickerWindow::confirmation(const QString& firstValue, const QString& secondValue) const
{
    const QString crlf = QStringLiteral("\r\n");
    return msgRubrik->text() + crlf + crlf + QStringLiteral("- ") + data::quotedForMessage(firstValue) + crlf +
           QStringLiteral("- ") + data::quotedForMessage(secondValue) + crlf + crlf + msgFraga->text();
}

void PickerWindow::showOrReport(PickerWindow* picker)
{
    if (picker->loadFailed()) {
        ui::MsgBox(picker->loadError(), ui::vbOKOnly + ui::vbCritical);
        picker->unload();
        return;
    }
    picker->showForm();
}

int PickerWindow::chosenRow() const
{
    const int row = ListView1->selectedRow();
    // The current row stays current when the user deselects it with Ctrl and a click.
    if (row < 0 || !ListView1->selectionModel()->isRowSelected(row, QModelIndex()))
        return -1;
    return row;
}

void PickerWindow::Command1_Click()
{
    const int row = chosenRow();
    if (row < 0)
        return;
    const QString text = ListView1->itemText(row);
    const QString subItem = ListView1->subItem(row, 1);
    if (ui::MsgBox(confirmationPrompt(text, subItem), ui::vbYesNo + ui::vbQuestion, msgTitel->text()) != ui::vbYes)
        return;
    // A value too long for any window reaches the order as shown, cut short.
    writeChoice(ui::shownValue(text), ui::shownValue(subItem));
    unload();
}

void PickerWindow::Command2_Click()
{
    unload();
}
