#pragma once

#include "order_history.h"

#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>

namespace stress {

// Compares the order files with the drivers' journals. Without `exact` a driver may have been
// killed anywhere, so a step it had not yet journaled may or may not have happened; with `exact`
// every driver ran to its end and the files must match the journals line for line.
class StressChecker
{
public:
    StressChecker(const QString& folder, bool exact);

    // One sentence per problem, paths relative to the folder; empty when all is well.
    QStringList check();

private:
    void readJournals();
    void checkList();
    void checkOrderFolder();
    void checkDataFile(const QString& name, const QString& number);
    void checkBasket(const QString& name, const QString& number);
    void checkDeliveries(const QString& number, const OrderState& order);
    void checkOrders();
    void problem(const QString& text) { m_problems << text; }

    QString m_folder;
    bool m_exact;
    OrderHistory m_history;
    QMap<QString, int> m_listed;
    QSet<QString> m_dataFiles;
    QMap<QString, Basket> m_baskets;        // the whole records each basket file begins with
    QMap<QString, QString> m_statusLines;   // line 8 of each data file the driver wrote
    QMap<QString, QByteArray> m_deliveries; // each delivery file's bytes
    QStringList m_problems;
};

} // namespace stress
