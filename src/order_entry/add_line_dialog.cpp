#include "order_entry/add_line_dialog.h"

#include "data/order_files.h"
#include "data/remembered_orders.h"
#include "order_entry/new_order_window.h"
#include "ui/accessible_names.h"
#include "ui/controls.h"
#include "ui/field_validator.h"
#include "ui/fonts.h"
#include "ui/form_instance.h"
#include "ui/message_box.h"
#include "ui/report_list_view.h"
#include "ui/twips.h"
#include "ui/window_helpers.h"

#include <QCompleter>

namespace {
constexpr int kClientWidth = 5175;
constexpr int kClientHeight = 2655;
constexpr int kRowTop = 150;
constexpr int kRowStep = 390;
// Enough to choose from while typing; a few more letters narrow them down.
constexpr int kSuggestionsShown = 50;
} // namespace

frmAdd* frmAdd::instance()
{
    return ui::FormInstance<frmAdd>::get();
}

frmAdd* frmAdd::existing()
{
    return ui::FormInstance<frmAdd>::existing();
}

const QStringList& frmAdd::units()
{
    static const QStringList list{QStringLiteral("ST"),  QStringLiteral("PAR"), QStringLiteral("FRP"),
                                  QStringLiteral("KG"),  QStringLiteral("HG"),  QStringLiteral("TON"),
                                  QStringLiteral("PALL")};
    return list;
}

frmAdd::frmAdd()
{
    setObjectName(QStringLiteral("frmAdd"));
    setWindowTitle(QStringLiteral("Lägg till"));
    ui::setFixedDialogFrame(this);
    setFont(ui::formFont());
    ui::setClientSize(this, kClientWidth, kClientHeight);

    QLabel** labels[] = {&Label1, &Label2, &Label3, &Label4, &Label5};
    const QStringList captions{QStringLiteral("Artikelnr"), QStringLiteral("Benämning"), QStringLiteral("A-pris"),
                               QStringLiteral("Antal"), QStringLiteral("Enhet")};
    for (int i = 0; i < 5; ++i) {
        *labels[i] = ui::makeLabel(this, QStringLiteral("Label%1").arg(i + 1), captions.at(i), 120,
                                   kRowTop + 30 + kRowStep * i, 1000);
    }

    // A double quote would end the field early when the basket file is read back, and a line break
    // would split the record, so no box takes either; a paste is taken without them.
    const QString forbidden = QStringLiteral("\"\r\n");
    QLineEdit** boxes[] = {&Text1, &Text2, &Text3, &Text4};
    const int widths[] = {1695, 3255, 975, 975};
    const int limits[] = {15, 30, 8, 8};
    for (int i = 0; i < 4; ++i) {
        auto* box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("Text%1").arg(i + 1));
        box->setMaxLength(limits[i]);
        auto* validator = new ui::FieldValidator(forbidden, box);
        box->setValidator(validator);
        connect(validator, &ui::FieldValidator::charactersDropped, this,
                [forbidden] { frmZelOrderNew::instance()->showNote(ui::droppedCharactersNote(forbidden)); });
        ui::place(box, 1200, kRowTop + kRowStep * i, widths[i], 285);
        *boxes[i] = box;
    }

    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setEditable(false);
    ui::place(Combo1, 1200, kRowTop + kRowStep * 4, 975, 315);

    msg1 = new QLabel(this);
    msg1->setObjectName(QStringLiteral("msg1"));
    msg1->setVisible(false);
    msg2 = new QLabel(this);
    msg2->setObjectName(QStringLiteral("msg2"));
    msg2->setVisible(false);
    msg3 = new QLabel(QStringLiteral("Ändra orderrad"), this);
    msg3->setObjectName(QStringLiteral("msg3"));
    msg3->setVisible(false);
    msg4 = ui::makeMessage(this, QStringLiteral("msg4"), QStringLiteral("Det blev något fel"));
    msg5 = ui::makeMessage(this, QStringLiteral("msg5"), QStringLiteral("Telefonlista"));

    Command1 = ui::makeButton(this, QStringLiteral("Command1"), QStringLiteral("&OK"), 2880, 2160, 1035);
    Command2 = ui::makeButton(this, QStringLiteral("Command2"), QStringLiteral("&Avbryt"), 4020, 2160, 1035);

    setTabOrder(Text1, Text2);
    setTabOrder(Text2, Text3);
    setTabOrder(Text3, Text4);
    setTabOrder(Text4, Combo1);
    setTabOrder(Combo1, Command1);
    setTabOrder(Command1, Command2);

    nameControls();

    m_suggestions = RememberedFill::attachSuggestions(Text1, QStringLiteral("Tidigare artiklar"));
    connect(Text1, &QLineEdit::textEdited, this, &frmAdd::suggestArticles);
    connect(m_suggestions, qOverload<const QString&>(&QCompleter::activated), this, &frmAdd::fillRemembered);
    connect(Text1, &QLineEdit::editingFinished, this, [this] { fillRemembered(Text1->text()); });
    connect(Combo1, &QComboBox::activated, this, [this] { m_unitChosen = true; });

    connect(Command1, &QPushButton::clicked, this, &frmAdd::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmAdd::Command2_Click);
    closeOnEscape(Command2);
    ui::centreOnScreen(this);
}

void frmAdd::nameControls()
{
    ui::nameAfter(Text1, Label1);
    ui::nameAfter(Text2, Label2);
    ui::nameAfter(Text3, Label3);
    ui::nameAfter(Text4, Label4);
    ui::nameAfter(Combo1, Label5);
}

void frmAdd::Form_Load()
{
    Combo1->addItems(units());
    Combo1->setCurrentIndex(0);
}

void frmAdd::changeLine(int row, const data::OrderLine& line)
{
    if (!changing())
        m_addingTitle = windowTitle();
    m_changingRow = row;
    m_original = line;
    Text1->setText(line.articleNumber);
    Text2->setText(line.description);
    Text3->setText(line.unitPrice);
    Text4->setText(line.quantity);
    showUnit(line.unit);
    // The line's own values count as typed: a remembered article never replaces them.
    m_fill.forget();
    m_unitChosen = true;
    setWindowTitle(msg3->text());
    showForm();
    Text1->setFocus();
}

void frmAdd::startAdding()
{
    if (!changing())
        return;
    m_changingRow = -1;
    setWindowTitle(m_addingTitle);
    for (QLineEdit* box : {Text1, Text2, Text3, Text4})
        box->clear();
    Combo1->setCurrentIndex(0);
    beginLine();
}

void frmAdd::showUnit(const QString& unit)
{
    // A unit typed into the file by hand is kept rather than silently replaced.
    if (Combo1->findText(unit) < 0)
        Combo1->addItem(unit);
    Combo1->setCurrentIndex(Combo1->findText(unit));
}

void frmAdd::beginLine()
{
    m_fill.forget();
    m_unitChosen = false;
}

void frmAdd::suggestArticles(const QString& typed)
{
    QVector<QPair<QString, QString>> rows;
    if (!typed.isEmpty()) {
        const QString supplier = frmZelOrderNew::instance()->txtLevNr->text();
        for (const QString& article :
             data::RememberedOrders::instance()->articleSuggestions(typed, supplier, kSuggestionsShown))
            rows.append({article, article});
    }
    RememberedFill::offer(m_suggestions, rows);
}

void frmAdd::fillRemembered(const QString& article)
{
    const std::optional<data::RememberedLine> line =
        data::RememberedOrders::instance()->articleLine(article, frmZelOrderNew::instance()->txtLevNr->text());
    if (!line)
        return;
    m_fill.fill(Text2, line->description);
    m_fill.fill(Text3, line->unitPrice);
    if (!m_unitChosen && !line->unit.isEmpty())
        showUnit(line->unit);
}

void frmAdd::changeChosenLine(const data::OrderLine& line)
{
    frmZelOrderNew* order = frmZelOrderNew::instance();
    QString error;
    if (!data::replaceOrderLine(order->dbOrderNr->text(), m_changingRow, m_original, line, &error)) {
        ui::MsgBox(error, ui::vbOKOnly + ui::vbCritical);
        return;
    }
    order->ListView1->setRow(m_changingRow, line.articleNumber,
                             {line.description, line.unitPrice, line.quantity, line.unit});
    unload();
}

void frmAdd::Command1_Click()
{
    if (changing()) {
        changeChosenLine({Text1->text(), Text2->text(), Text3->text(), Text4->text(), Combo1->currentText()});
        return;
    }
    const int answer = ui::MsgBox(msg1->text(), ui::vbYesNo + ui::vbQuestion, msg2->text());

    const data::OrderLine line{Text1->text(), Text2->text(), Text3->text(), Text4->text(), Combo1->currentText()};
    frmZelOrderNew* order = frmZelOrderNew::instance();
    QString error;
    if (!data::appendOrderLine(order->dbOrderNr->text(), line, &error)) {
        ui::MsgBox(msg4->text(), ui::vbYesNo, msg5->text());
        return;
    }
    order->ListView1->addRow(line.articleNumber, {line.description, line.unitPrice, line.quantity, line.unit});
    for (QLineEdit* box : {Text1, Text2, Text3, Text4})
        box->clear();
    beginLine();

    if (answer == ui::vbNo)
        unload();
    else
        Text1->setFocus(); // ready for the next line
}

void frmAdd::Command2_Click()
{
    unload();
}
