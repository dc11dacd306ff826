#pragma once

#include <QObject>
#include <QString>

namespace data {

// Tells whoever shows orders that this program has just changed an order's files or the order
// list, so that the change shows at once. Changes by other programs are seen by watching the folder.
class OrderChanges : public QObject
{
    Q_OBJECT

public:
    static OrderChanges* instance();

    // Passes `written` through, announcing the order when it is true.
    static bool announce(const QString& orderNumber, bool written);

Q_SIGNALS:
    void orderChanged(const QString& orderNumber);

private:
    OrderChanges() = default;
};

} // namespace data
