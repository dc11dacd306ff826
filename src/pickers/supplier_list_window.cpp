#include "pickers/supplier_list_window.h"

#include "data/supplier_list.h"
#include "data/text_file.h"
#include "ui/accessible_names.h"
#include "ui/controls.h"
#include "ui/fonts.h"
#include "ui/form_instance.h"
#include "ui/message_box.h"
#include "ui/report_list_view.h"
#include "ui/twips.h"
#include "ui/window_helpers.h"

#include <QRegularExpressionValidator>

namespace {
constexpr int kMargin = 120;
constexpr int kListWidth = 5175;
constexpr int kListHeight = 2655;
constexpr int kFieldLeft = 1080;
constexpr int kNameTop = kMargin + kListHeight + 120;
constexpr int kNumberTop = kNameTop + 390;
constexpr int kButtonTop = kNumberTop + 450;
constexpr int kButtonWidth = 1200;
constexpr int kButtonGap = 125;
constexpr int kClientWidth = kMargin + kListWidth + kMargin;
constexpr int kClientHeight = kButtonTop + 375 + kMargin;

} // namespace

frmLeverantorLista* frmLeverantorLista::instance()
{
    return ui::FormInstance<frmLeverantorLista>::get();
}

frmLeverantorLista* frmLeverantorLista::existing()
{
    return ui::FormInstance<frmLeverantorLista>::existing();
}

void frmLeverantorLista::open()
{
    frmLeverantorLista* window = instance();
    if (!window->m_loadError.isEmpty()) {
        ui::MsgBox(window->m_loadError, ui::vbOKOnly + ui::vbCritical);
        window->unload();
        return;
    }
    window->showForm();
}

frmLeverantorLista::frmLeverantorLista()
{
    setObjectName(QStringLiteral("frmLeverantorLista"));
    setWindowTitle(QStringLiteral("Leverantörslista"));
    ui::setFixedDialogFrame(this);
    setFont(ui::formFont());
    ui::setClientSize(this, kClientWidth, kClientHeight);

    ListView1 = new ui::ReportListView(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setFont(ui::formFont());
    ui::place(ListView1, kMargin, kMargin, kListWidth, kListHeight);
    ListView1->addColumn(QStringLiteral("Leverantör"), 3300);
    ListView1->addColumn(QStringLiteral("Lev Nr"), 1500);
    ui::speak(ListView1, windowTitle());

    lblNamn = ui::makeLabel(this, QStringLiteral("lblNamn"), QStringLiteral("Namn:"), kMargin, kNameTop + 30, 900);
    txtNamn =
        ui::makeTextBox(this, QStringLiteral("txtNamn"), kFieldLeft, kNameTop, kListWidth - (kFieldLeft - kMargin));
    lblNummer =
        ui::makeLabel(this, QStringLiteral("lblNummer"), QStringLiteral("Nummer:"), kMargin, kNumberTop + 30, 900);
    txtNummer = ui::makeTextBox(this, QStringLiteral("txtNummer"), kFieldLeft, kNumberTop, 1500);
    ui::nameAfter(txtNamn, lblNamn);
    ui::nameAfter(txtNummer, lblNummer);

    QPushButton** const buttons[] = {&cmdLaggTill, &cmdAndra, &cmdTaBort, &cmdStang};
    const QString names[] = {QStringLiteral("cmdLaggTill"), QStringLiteral("cmdAndra"), QStringLiteral("cmdTaBort"),
                             QStringLiteral("cmdStang")};
    const QString captions[] = {QStringLiteral("&Lägg till"), QStringLiteral("Ä&ndra"), QStringLiteral("Ta &bort"),
                                QStringLiteral("S&täng")};
    for (int i = 0; i < 4; ++i)
        *buttons[i] = ui::makeButton(this, names[i], captions[i], kMargin + i * (kButtonWidth + kButtonGap), kButtonTop,
                                     kButtonWidth);

    msgValjAndra = ui::makeMessage(this, QStringLiteral("msgValjAndra"),
                                   QStringLiteral("Välj först den leverantör i listan som ska ändras."));
    msgValjTaBort = ui::makeMessage(this, QStringLiteral("msgValjTaBort"),
                                    QStringLiteral("Välj först den leverantör i listan som ska tas bort."));
    msgTaBort = ui::makeMessage(this, QStringLiteral("msgTaBort"),
                                QStringLiteral("Vill du ta bort leverantören\r\n\r\n- %1\r\n- %2\r\n\r\nur listan?"));
    msgTaBortTitel = ui::makeMessage(this, QStringLiteral("msgTaBortTitel"), QStringLiteral("Ta bort leverantör"));

    setTabOrder(ListView1, txtNamn);
    setTabOrder(txtNamn, txtNummer);
    setTabOrder(txtNummer, cmdLaggTill);
    setTabOrder(cmdLaggTill, cmdAndra);
    setTabOrder(cmdAndra, cmdTaBort);
    setTabOrder(cmdTaBort, cmdStang);
    ListView1->setFocus();

    connect(ListView1, &ui::ReportListView::rowSelected, this, &frmLeverantorLista::showRow);
    connect(cmdLaggTill, &QPushButton::clicked, this, &frmLeverantorLista::cmdLaggTill_Click);
    connect(cmdAndra, &QPushButton::clicked, this, &frmLeverantorLista::cmdAndra_Click);
    connect(cmdTaBort, &QPushButton::clicked, this, &frmLeverantorLista::cmdTaBort_Click);
    connect(cmdStang, &QPushButton::clicked, this, &ui::Form::unload);
    closeOnEscape(cmdStang);
    ui::centreOnScreen(this);
}

void frmLeverantorLista::Form_Load()
{
    const qintptr style = ListView1->sendMessage(ui::kLvmGetExtendedListViewStyle, 0, 0);
    ListView1->sendMessage(ui::kLvmSetExtendedListViewStyle, 0, style | ui::kLvsExFullRowSelect);
    reload(-1);
}

bool frmLeverantorLista::reload(int row)
{
    m_loadError.clear();
    ListView1->clearRows();
    m_records.clear();
    if (!data::readSupplierList(&m_records, &m_loadError))
        return false;
    QVector<QStringList> shown;
    shown.reserve(m_records.size());
    for (const QStringList& record : m_records)
        shown.append({ui::shownValue(record.value(0)), ui::shownValue(record.value(1))});
    ListView1->addRows(shown);
    if (row >= 0 && row < ListView1->rowCount())
        ListView1->selectRow(row);
    return true;
}

void frmLeverantorLista::showRow(int row)
{
    if (row < 0 || row >= m_records.size())
        return;
    txtNamn->setText(m_records.at(row).value(0));
    txtNummer->setText(m_records.at(row).value(1));
}

int frmLeverantorLista::chosenRow() const
{
    const int row = ListView1->selectedRow();
    if (row < 0 || row >= m_records.size() || !ListView1->selectionModel()->isRowSelected(row, QModelIndex()))
        return -1;
    return row;
}

void frmLeverantorLista::cmdLaggTill_Click()
{
    QString error;
    if (!data::addSupplier(txtNamn->text(), txtNummer->text(), &error)) {
        ui::MsgBox(error, ui::vbOKOnly + ui::vbCritical);
        return;
    }
    // The new record is the last one.
    if (!reload(int(m_records.size())))
        ui::MsgBox(m_loadError, ui::vbOKOnly + ui::vbCritical);
}

void frmLeverantorLista::cmdAndra_Click()
{
    const int row = chosenRow();
    if (row < 0) {
        ui::MsgBox(msgValjAndra->text(), ui::vbOKOnly + ui::vbInformation);
        return;
    }
    QString error;
    if (!data::changeSupplier(row, m_records.at(row), txtNamn->text(), txtNummer->text(), &error)) {
        ui::MsgBox(error, ui::vbOKOnly + ui::vbCritical);
        return;
    }
    if (!reload(row))
        ui::MsgBox(m_loadError, ui::vbOKOnly + ui::vbCritical);
}

void frmLeverantorLista::cmdTaBort_Click()
{
    const int row = chosenRow();
    if (row < 0) {
        ui::MsgBox(msgValjTaBort->text(), ui::vbOKOnly + ui::vbInformation);
        return;
    }
    const QStringList record = m_records.at(row);
    const QString prompt =
        msgTaBort->text().arg(data::quotedForMessage(record.value(1)), data::quotedForMessage(record.value(0)));
    if (ui::MsgBox(prompt, ui::vbYesNo + ui::vbQuestion + ui::vbDefaultButton2, msgTaBortTitel->text()) != ui::vbYes)
        return;
    QString error;
    if (!data::removeSupplier(row, record, &error)) {
        ui::MsgBox(error, ui::vbOKOnly + ui::vbCritical);
        return;
    }
    txtNamn->clear();
    txtNummer->clear();
    if (!reload(-1))
        ui::MsgBox(m_loadError, ui::vbOKOnly + ui::vbCritical);
}
