// Customers remembered in the new-order window: earlier customers are offered by number and name
// while "Kund nr" is typed, and one chosen or typed in full brings the name and telephone of their
// most recent order into the boxes the clerk left empty.
#include "data/remembered_orders.h"
#include "order_entry/new_order_window.h"
#include "ui/twips.h"

#include <QAbstractItemView>
#include <QCompleter>

namespace {
// Enough to choose from while typing; a few more letters narrow them down.
constexpr int kSuggestionsShown = 50;
} // namespace

void frmZelOrderNew::setUpCustomerMemory()
{
    m_customerSuggestions = RememberedFill::attachSuggestions(Text1, QStringLiteral("Tidigare kunder"));
    // Wide enough for the name beside the number, as wide as the name box.
    m_customerSuggestions->popup()->setMinimumWidth(ui::twipsToPixels(3255));
    connect(Text1, &QLineEdit::textEdited, this, &frmZelOrderNew::suggestCustomers);
    connect(m_customerSuggestions, qOverload<const QString&>(&QCompleter::activated), this,
            &frmZelOrderNew::fillCustomer);
    connect(Text1, &QLineEdit::editingFinished, this, [this] { fillCustomer(Text1->text()); });
}

void frmZelOrderNew::suggestCustomers(const QString& typed)
{
    QVector<QPair<QString, QString>> rows;
    if (!typed.isEmpty()) {
        for (const data::RememberedCustomer& customer :
             data::RememberedOrders::instance()->customerSuggestions(typed, kSuggestionsShown))
            rows.append({customer.number + QStringLiteral("  ") + customer.name, customer.number});
    }
    RememberedFill::offer(m_customerSuggestions, rows);
}

void frmZelOrderNew::fillCustomer(const QString& number)
{
    if (number.isEmpty())
        return;
    const std::optional<data::RememberedCustomer> customer = data::RememberedOrders::instance()->customer(number);
    if (!customer)
        return;
    m_customerFill.fill(Text2, customer->name);
    m_customerFill.fill(Text3, customer->areaCode);
    m_customerFill.fill(Text4, customer->phone);
}
