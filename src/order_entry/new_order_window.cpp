#include "order_entry/new_order_window.h"

#include "data/order_export.h"
#include "data/order_files.h"
#include "data/order_number.h"
#include "data/order_total.h"
#include "data/text_file.h"
#include "order_entry/add_line_dialog.h"
#include "order_register/order_list_window.h"
#include "pickers/status_picker.h"
#include "pickers/supplier_list_window.h"
#include "pickers/supplier_picker.h"
#include "ui/accessible_names.h"
#include "ui/controls.h"
#include "ui/fonts.h"
#include "ui/form_instance.h"
#include "ui/glyph_button.h"
#include "ui/message_box.h"
#include "ui/report_list_view.h"
#include "ui/twips.h"
#include "ui/window_helpers.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QMenuBar>
#include <QProgressDialog>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {
constexpr int kClientWidth = 8775;
constexpr int kClientHeight = 5565;

QLabel* makeValueLabel(QWidget* parent, const QString& name, int left, int top, int width)
{
    QLabel* label = ui::makeLabel(parent, name, QString(), left, top, width);
    ui::setBold(label);
    return label;
}

} // namespace

frmZelOrderNew* frmZelOrderNew::instance()
{
    return ui::FormInstance<frmZelOrderNew>::get();
}

frmZelOrderNew* frmZelOrderNew::existing()
{
    return ui::FormInstance<frmZelOrderNew>::existing();
}

frmZelOrderNew::frmZelOrderNew()
{
    setObjectName(QStringLiteral("frmZelOrderNew"));
    setWindowTitle(QStringLiteral("ZEL Beställning"));
    ui::setFixedDialogFrame(this);
    setFont(ui::formFont());

    menuBar = new QMenuBar(this);
    menuBar->setObjectName(QStringLiteral("menuBar"));
    QMenu* arkiv = menuBar->addMenu(QStringLiteral("&Arkiv"));
    arkiv->setObjectName(QStringLiteral("mnuArkiv"));
    mnuNy = arkiv->addAction(QStringLiteral("Ny order"));
    mnuNy->setObjectName(QStringLiteral("mnuNy"));
    mnuNy->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    mnuNy->setShortcutContext(Qt::WindowShortcut);
    addAction(mnuNy);
    mnuOppna = arkiv->addAction(QStringLiteral("Öppna"));
    mnuOppna->setObjectName(QStringLiteral("mnuOppna"));
    mnuOppna->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuOppna->setShortcutContext(Qt::WindowShortcut);
    addAction(mnuOppna);
    mnuExport = arkiv->addAction(QStringLiteral("Exportera…"));
    mnuExport->setObjectName(QStringLiteral("mnuExport"));
    mnuLeverantorer = arkiv->addAction(QStringLiteral("Leverantörer…"));
    mnuLeverantorer->setObjectName(QStringLiteral("mnuLeverantorer"));

    // The client area is a fixed canvas under the menu bar, laid out in twips.
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    ui::setClientSize(client, kClientWidth, kClientHeight);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menuBar);
    layout->addWidget(client);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    Frame1 = new QGroupBox(QStringLiteral("Beställare"), client);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    ui::place(Frame1, 120, 60, 4455, 1575);
    const QStringList customerCaptions{QStringLiteral("Kund nr"), QStringLiteral("Namn"), QStringLiteral("Telefon")};
    for (int i = 0; i < 3; ++i)
        Label1[i] =
            ui::makeLabel(Frame1, QStringLiteral("Label1(%1)").arg(i), customerCaptions.at(i), 120, 330 + 390 * i, 900);
    Text1 = ui::makeTextBox(Frame1, QStringLiteral("Text1"), 1080, 300, 1455);
    Text2 = ui::makeTextBox(Frame1, QStringLiteral("Text2"), 1080, 690, 3255);
    Text3 = ui::makeTextBox(Frame1, QStringLiteral("Text3"), 1080, 1080, 615, 285, 4);
    Text4 = ui::makeTextBox(Frame1, QStringLiteral("Text4"), 1755, 1080, 1575, 285, 11);

    Label2 = ui::makeLabel(client, QStringLiteral("Label2"), QStringLiteral("Ordernr"), 4800, 180, 1000);
    Label3 = ui::makeLabel(client, QStringLiteral("Label3"), QStringLiteral("Orderdatum"), 4800, 480, 1000);
    Label4 = ui::makeLabel(client, QStringLiteral("Label4"), QStringLiteral("Säljare"), 4800, 780, 1000);
    Label5 = ui::makeLabel(client, QStringLiteral("Label5"), QStringLiteral("Status"), 4800, 1080, 1000);
    dbOrderNr = makeValueLabel(client, QStringLiteral("dbOrderNr"), 5820, 180, 2835);
    dbOrderDag = makeValueLabel(client, QStringLiteral("dbOrderDag"), 5820, 480, 2835);
    dbSaljare = makeValueLabel(client, QStringLiteral("dbSaljare"), 5820, 780, 2835);
    dbStatus = makeValueLabel(client, QStringLiteral("dbStatus"), 5820, 1080, 1770);
    dbStatusText = ui::makeLabel(client, QStringLiteral("dbStatusText"), QString(), 5820, 1380, 1770);
    dbStatusText->setVisible(false);
    Command8 = ui::makeGlyphButton(client, QStringLiteral("Command8"), QStringLiteral("4"), 7620, 1050, 300, 285);
    Command9 = ui::makeButton(client, QStringLiteral("Command9"), QStringLiteral("Spara"), 7965, 1050, 690, 285);

    Frame2 = new QGroupBox(client);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    ui::place(Frame2, 120, 1680, 8535, 615);
    Label6 = ui::makeLabel(Frame2, QStringLiteral("Label6"), QStringLiteral("Leverantör"), 120, 225, 900);
    txtLevNr = ui::makeTextBox(Frame2, QStringLiteral("txtLevNr"), 1080, 195, 1215);
    txtLevNr->setStyleSheet(QStringLiteral("QLineEdit { background: palette(window); }"));
    Command1 = ui::makeGlyphButton(Frame2, QStringLiteral("Command1"), QStringLiteral("4"), 2340, 195, 300, 285);
    dbLevName = makeValueLabel(Frame2, QStringLiteral("dbLevName"), 2760, 225, 5655);
    dbLevName->setStyleSheet(QStringLiteral("color: #008000;"));

    // The message labels lie under the line list and are never seen; their captions are the
    // prompts and titles of the "Ta bort" question and the save notice.
    msg1 = ui::makeLabel(client, QStringLiteral("msg1"), QString(), 240, 2520, 1000);
    msg2 = ui::makeLabel(client, QStringLiteral("msg2"), QString(), 240, 2820, 1000);
    msg3 = ui::makeLabel(client, QStringLiteral("msg3"), QString(), 240, 3120, 1000);
    msg4 = ui::makeLabel(client, QStringLiteral("msg4"), QString(), 240, 3420, 1000);
    // These four have words of their own for a run without a language file.
    msg5 = ui::makeLabel(client, QStringLiteral("msg5"),
                         QStringLiteral("Ordern har ändringar som inte är sparade.\rVill du lämna den ändå ?"), 240,
                         3720, 1000);
    msg6 = ui::makeLabel(client, QStringLiteral("msg6"), QStringLiteral("Lämna ordern"), 240, 4020, 1000);
    msg7 = ui::makeLabel(client, QStringLiteral("msg7"), QStringLiteral("Orderns status är sparad."), 1300, 2520, 1000);
    msg8 = ui::makeLabel(client, QStringLiteral("msg8"), QStringLiteral("Spara status"), 1300, 2820, 1000);
    for (QLabel* label : {msg1, msg2, msg3, msg4, msg5, msg6, msg7, msg8})
        label->setVisible(false);

    ListView1 = new ui::ReportListView(client);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ui::place(ListView1, 120, 2400, 8535, 2295);
    ListView1->addColumn(QStringLiteral("Artikelnr"), 1440);
    ListView1->addColumn(QStringLiteral("Benämning"), 3300);
    ListView1->addColumn(QStringLiteral("á-pris"), 800);
    ListView1->addColumn(QStringLiteral("Antal"), 800);
    ListView1->addColumn(QStringLiteral("Enhet"), 600);

    Command2 = ui::makeButton(client, QStringLiteral("Command2"), QStringLiteral("Lägg till"), 120, 4770, 1095);
    Command3 = ui::makeButton(client, QStringLiteral("Command3"), QStringLiteral("Ändra"), 1275, 4770, 1095);
    Command4 = ui::makeButton(client, QStringLiteral("Command4"), QStringLiteral("Ta bort"), 2430, 4770, 1095);
    Command6 = ui::makeButton(client, QStringLiteral("Command6"), QStringLiteral("Spara"), 6405, 4770, 1095);
    Command5 = ui::makeButton(client, QStringLiteral("Command5"), QStringLiteral("Stäng"), 7560, 4770, 1095);
    Command5->setEnabled(false);

    StatusBar1 = ui::addStatusBar(client);

    // The glyphs and the list have no caption to read; two buttons both showing "Spara" are told apart.
    ui::speak(Command8, QStringLiteral("Välj status"));
    ui::speak(Command1, QStringLiteral("Välj leverantör"));
    ui::speak(Command9, QString(), QStringLiteral("Sparar orderns status"));
    ui::speak(Command6, QString(), QStringLiteral("Sparar ordern"));
    ui::speak(ListView1, QStringLiteral("Orderrader"));
    nameControls();

    const QList<QWidget*> tabOrder{Text1,    Text2,    Text3,    Text4,    ListView1, Command2, Command3,
                                   Command4, Command5, Command1, txtLevNr, Command6,  Command9, Command8};
    for (int i = 0; i + 1 < tabOrder.size(); ++i)
        setTabOrder(tabOrder.at(i), tabOrder.at(i + 1));

    connect(Command1, &QPushButton::clicked, this, &frmZelOrderNew::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmZelOrderNew::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &frmZelOrderNew::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &frmZelOrderNew::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &frmZelOrderNew::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &frmZelOrderNew::Command6_Click);
    connect(Command8, &QPushButton::clicked, this, &frmZelOrderNew::Command8_Click);
    connect(Command9, &QPushButton::clicked, this, &frmZelOrderNew::Command9_Click);
    connect(mnuNy, &QAction::triggered, this, &frmZelOrderNew::mnuNy_Click);
    connect(mnuOppna, &QAction::triggered, this, &frmZelOrderNew::mnuOppna_Click);
    connect(mnuExport, &QAction::triggered, this, &frmZelOrderNew::mnuExport_Click);
    connect(mnuLeverantorer, &QAction::triggered, this, [] { frmLeverantorLista::open(); });
    connect(ListView1, &QAbstractItemView::doubleClicked, this, &frmZelOrderNew::Command3_Click);
    // The total follows the line list, whoever changes it.
    QAbstractItemModel* lines = ListView1->model();
    connect(lines, &QAbstractItemModel::rowsInserted, this, &frmZelOrderNew::updateTotal);
    connect(lines, &QAbstractItemModel::rowsRemoved, this, &frmZelOrderNew::updateTotal);
    connect(lines, &QAbstractItemModel::dataChanged, this, &frmZelOrderNew::updateTotal);
    connect(lines, &QAbstractItemModel::modelReset, this, &frmZelOrderNew::updateTotal);

    adjustSize();
    ui::centreOnScreen(this);
}

void frmZelOrderNew::Form_Load()
{
    dbOrderNr->setText(data::freeOrderNumber(QDateTime::currentDateTime()));
    dbOrderDag->setText(data::formatOrderDate(QDate::currentDate()));
    dbSaljare->setText(kDefaultSeller);
    dbStatus->setText(QStringLiteral("0"));
    takeBaseline();
    updateTotal();
}

void frmZelOrderNew::nameControls()
{
    ui::nameAfter(Text1, Label1[0]);
    ui::nameAfter(Text2, Label1[1]);
    ui::nameAfter(Text3, Label1[2], QStringLiteral("riktnummer"));
    ui::nameAfter(Text4, Label1[2], QStringLiteral("nummer"));
    ui::nameAfter(txtLevNr, Label6);
    ui::describeAfter(dbOrderNr, Label2);
    ui::describeAfter(dbOrderDag, Label3);
    ui::describeAfter(dbSaljare, Label4);
    ui::describeAfter(dbStatus, Label5);
    ui::describeAfter(dbLevName, Label6, QStringLiteral("namn"));
}

QStringList frmZelOrderNew::orderDataValues() const
{
    return {Text1->text(),      Text2->text(),     Text3->text(),    Text4->text(),    dbOrderNr->text(),
            dbOrderDag->text(), dbSaljare->text(), dbStatus->text(), txtLevNr->text(), dbLevName->text()};
}

void frmZelOrderNew::closeEvent(QCloseEvent* event)
{
    // The close box ends the run like "Stäng" answered Ja, without asking.
    event->accept();
    ui::endProgram();
}

void frmZelOrderNew::Command1_Click()
{
    frmLeverantor::open();
}

void frmZelOrderNew::Command2_Click()
{
    frmAdd* add = frmAdd::instance();
    add->startAdding();
    add->showForm();
}

void frmZelOrderNew::Command3_Click()
{
    const int row = ListView1->selectedRow();
    if (row < 0)
        return;
    frmAdd::instance()->changeLine(row, shownLines().at(row));
}

void frmZelOrderNew::Command4_Click()
{
    const int answer = ui::MsgBox(msg1->text(), ui::vbYesNo + ui::vbQuestion, msg2->text());
    const int row = ListView1->selectedRow();
    if (answer != ui::vbYes || row < 0)
        return;
    QString error;
    if (!data::removeOrderLine(dbOrderNr->text(), row, shownLines().at(row), &error)) {
        ui::MsgBox(error, ui::vbOKOnly + ui::vbCritical);
        return;
    }
    ListView1->removeRow(row);
}

void frmZelOrderNew::Command5_Click()
{
    if (ui::MsgBox(QStringLiteral("Vill du avsluta ?"), ui::vbYesNo + ui::vbQuestion, QStringLiteral("Avsluta")) ==
        ui::vbYes)
        ui::endProgram();
}

void frmZelOrderNew::Command6_Click()
{
    dbStatus->setText(kSavedStatus);
    const QString number = dbOrderNr->text();
    QString error;
    // A reopened order is in the order list already.
    if (!data::writeOrderData(number, orderDataValues(), &error) ||
        (!m_reopened && !data::listOrderOnce(number, &error))) {
        ui::MsgBox(error, ui::vbOKOnly + ui::vbCritical);
        return;
    }
    m_saved = true;
    m_statusPickedSinceSave = false;
    takeBaseline();
    ui::MsgBox(msg3->text(), ui::vbOKOnly + ui::vbInformation, msg4->text());
    Command5->setEnabled(true);
}

void frmZelOrderNew::Command8_Click()
{
    frmOrderStatus::open(this);
}

void frmZelOrderNew::Command9_Click()
{
    // Only a status picked after the order was saved is saved into it here.
    if (!m_saved || !m_statusPickedSinceSave)
        return;
    QString error;
    if (!data::writeOrderStatus(dbOrderNr->text(), dbStatus->text() + QStringLiteral(", ") + dbStatusText->text(),
                                &error)) {
        ui::MsgBox(error, ui::vbOKOnly + ui::vbCritical);
        return;
    }
    m_statusPickedSinceSave = false;
    takeBaseline();
    ui::MsgBox(msg7->text(), ui::vbOKOnly + ui::vbInformation, msg8->text());
}

void frmZelOrderNew::receiveStatus(const QString& id, const QString& description)
{
    dbStatus->setText(id);
    dbStatusText->setText(description);
    m_statusPickedSinceSave = m_saved;
}

void frmZelOrderNew::mnuNy_Click()
{
    startNewOrder();
}

QStringList frmZelOrderNew::editedValues() const
{
    return {Text1->text(),    Text2->text(),     Text3->text(),    Text4->text(),
            txtLevNr->text(), dbLevName->text(), dbStatus->text(), dbStatusText->text()};
}

void frmZelOrderNew::takeBaseline()
{
    m_baseline = editedValues();
}

bool frmZelOrderNew::hasUnsavedChanges() const
{
    return editedValues() != m_baseline || (!m_saved && ListView1->rowCount() > 0);
}

bool frmZelOrderNew::mayLeaveOrder()
{
    return !hasUnsavedChanges() || ui::MsgBox(msg5->text(), ui::vbYesNo + ui::vbQuestion, msg6->text()) == ui::vbYes;
}

bool frmZelOrderNew::startNewOrder()
{
    if (!mayLeaveOrder())
        return false;
    // A line dialog still open belongs to the order being left.
    if (frmAdd* add = frmAdd::existing())
        add->unload();
    for (QLineEdit* box : {Text1, Text2, Text3, Text4, txtLevNr})
        box->clear();
    dbLevName->clear();
    dbStatusText->clear();
    ListView1->clearRows();
    m_saved = false;
    m_reopened = false;
    m_statusPickedSinceSave = false;
    const QString left = dbOrderNr->text();
    Form_Load();
    // The order left may have taken no file yet; the new one still gets a number of its own.
    for (QDateTime moment = QDateTime::currentDateTime(); dbOrderNr->text() == left;) {
        moment = moment.addSecs(1);
        dbOrderNr->setText(data::freeOrderNumber(moment));
    }
    return true;
}

bool frmZelOrderNew::openSavedOrder(const QStringList& values, const QVector<data::OrderLine>& lines)
{
    if (!mayLeaveOrder())
        return false;
    if (frmAdd* add = frmAdd::existing())
        add->unload();
    QLineEdit* const boxes[] = {Text1, Text2, Text3, Text4};
    for (int i = 0; i < 4; ++i)
        boxes[i]->setText(values.value(i));
    dbOrderNr->setText(values.value(4));
    dbOrderDag->setText(values.value(5));
    dbSaljare->setText(values.value(6));
    dbStatus->setText(values.value(7));
    dbStatusText->clear();
    txtLevNr->setText(values.value(8));
    dbLevName->setText(ui::shownValue(values.value(9)));
    QVector<QStringList> rows;
    rows.reserve(lines.size());
    for (const data::OrderLine& line : lines)
        rows.append(line.fields());
    ListView1->clearRows();
    ListView1->addRows(rows);
    m_saved = true;
    m_reopened = true;
    m_statusPickedSinceSave = false;
    takeBaseline();
    showForm();
    raise();
    activateWindow();
    return true;
}

QVector<data::OrderLine> frmZelOrderNew::shownLines() const
{
    QVector<data::OrderLine> lines;
    lines.reserve(ListView1->rowCount());
    for (int row = 0; row < ListView1->rowCount(); ++row)
        lines.append({ListView1->itemText(row), ListView1->subItem(row, 1), ListView1->subItem(row, 2),
                      ListView1->subItem(row, 3), ListView1->subItem(row, 4)});
    return lines;
}

void frmZelOrderNew::updateTotal()
{
    ui::setStatusText(StatusBar1, data::totalText(data::orderTotal(shownLines())));
}

void frmZelOrderNew::mnuOppna_Click()
{
    frmOrderLista::instance()->showForm();
}

void frmZelOrderNew::mnuExport_Click()
{
    QFileDialog dialog(this, QStringLiteral("Exportera order"), QDir::homePath() + QStringLiteral("/Ordrar.csv"),
                       QStringLiteral("Semikolonavgränsad text (*.csv)"));
    dialog.setObjectName(QStringLiteral("dlgExport"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    exportOrdersTo(dialog.selectedFiles().constFirst());
}

bool frmZelOrderNew::exportOrdersTo(const QString& path)
{
    // A few hundred orders take a blink; beyond that the clerk sees how far it has come.
    constexpr int kOrdersWithoutProgress = 300;
    QProgressDialog progress(QStringLiteral("Exporterar order…"), QStringLiteral("Avbryt"), 0, 1, this);
    progress.setObjectName(QStringLiteral("dlgExportProgress"));
    progress.setWindowTitle(ui::kApplicationTitle);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    progress.setAutoReset(false);
    progress.setAutoClose(false);
    progress.reset();
    const auto report = [&](int done, int total) {
        if (total <= kOrdersWithoutProgress)
            return true;
        progress.setMaximum(total);
        progress.setValue(done);
        return !progress.wasCanceled();
    };

    data::ExportResult result;
    QString error;
    const bool written = data::exportOrders(path, &result, &error, report);
    progress.close();
    if (result.cancelled) {
        ui::MsgBox(QStringLiteral("Exporten avbröts. Ingen fil skrevs."), ui::vbOKOnly + ui::vbInformation);
        return false;
    }
    if (!written) {
        ui::MsgBox(error, ui::vbOKOnly + ui::vbCritical);
        return false;
    }
    QString text = QStringLiteral("%1 order med %2 exporterades till %3.")
                       .arg(QString::number(result.orders),
                            result.rows == 1 ? QStringLiteral("1 rad") : QStringLiteral("%1 rader").arg(result.rows),
                            data::quotedForMessage(QDir::toNativeSeparators(path)));
    if (!result.skipped.isEmpty())
        text += QStringLiteral("\r\n\r\n%1 order kunde inte läsas och är inte med: %2")
                    .arg(QString::number(result.skipped.size()),
                         data::quotedForMessage(result.skipped.join(QStringLiteral(", "))));
    ui::MsgBox(text, ui::vbOKOnly + (result.skipped.isEmpty() ? ui::vbInformation : ui::vbCritical));
    return true;
}
