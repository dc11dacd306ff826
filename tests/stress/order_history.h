#pragma once

#include "order_state.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

namespace stress {

// Folds journal lines into a state per order. The lines a driver writes:
//   start NR              before anything of NR is touched
//   line NR K             line K (from 0) appended
//   line-failed NR K TEXT
//   saving NR             before a save; then saved NR or save-failed NR TEXT
//   voiding NR            before a void; then voided NR, voided-unlisted NR or void-failed NR TEXT
class OrderHistory
{
public:
    // A last line without its line end was never finished and is left out.
    void readJournal(const QString& path, const QString& shownName);
    void add(const QByteArray& line, const QString& where);

    const QMap<QString, OrderState>& orders() const { return m_orders; }
    // Lines that cannot be read or do not fit the order's history.
    const QStringList& problems() const { return m_problems; }
    // Every step that returned false, with where it was journaled and the error text.
    const QStringList& failures() const { return m_failures; }

private:
    QMap<QString, OrderState> m_orders;
    QStringList m_problems;
    QStringList m_failures;
};

} // namespace stress
