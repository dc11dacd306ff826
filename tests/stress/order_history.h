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
//   changing NR ROW K V   before line K at ROW is changed to version V; then changed NR ROW K V or
//                         change-failed NR TEXT
//   removing NR ROW K V   before line K (version V) at ROW is removed; then removed NR ROW K V or
//                         remove-failed NR TEXT
//   writing-status NR S   before the status picked the Sth time is written; then status-written NR S or
//                         status-failed NR TEXT
//   reopening NR          before a saved order is read back; then reopened NR when it read as
//                         journaled, else reopen-failed NR TEXT
//   delivering NR DATE P:Q...  before the records of one delivery, line position P (from 1) and
//                         quantity Q each, are appended and the status follows; then delivered NR or
//                         deliver-failed NR TEXT
// Once an order has deliveries a removal, or a change of a line with deliveries, is refused:
// remove-refused NR TEXT or change-refused NR TEXT then ends the step with the files untouched.
// A step started and not finished may or may not have happened; after a failed one the driver no
// longer knows the order's files and leaves the order alone.
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
