#include "order_history.h"

#include "stress_records.h"

#include <QFile>

namespace stress {

void OrderHistory::readJournal(const QString& path, const QString& shownName)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_problems << QStringLiteral("%1: cannot be read").arg(shownName);
        return;
    }
    const QList<QByteArray> lines = file.readAll().split('\n');
    // The last piece is empty when the journal ends in a line end, unfinished otherwise.
    for (qsizetype i = 0; i + 1 < lines.size(); ++i)
        add(lines.at(i), QStringLiteral("%1 line %2").arg(shownName).arg(i + 1));
}

void OrderHistory::add(const QByteArray& line, const QString& where)
{
    const QList<QByteArray> words = line.split(' ');
    const QByteArray verb = words.value(0);
    const QString number = QString::fromLatin1(words.value(1));
    const auto unreadable = [&] {
        m_problems << QStringLiteral("%1: cannot read \"%2\"").arg(where, QString::fromUtf8(line));
    };
    if (words.size() < 2 || !isDriverOrderNumber(number))
        return unreadable();
    if (verb == "start") {
        if (m_orders.contains(number))
            m_problems << QStringLiteral("%1: order %2 started twice").arg(where, number);
        m_orders[number];
        return;
    }
    if (!m_orders.contains(number)) {
        m_problems << QStringLiteral("%1: order %2 was never started").arg(where, number);
        return;
    }
    OrderState& order = m_orders[number];
    if (verb.endsWith("-failed")) {
        m_failures << QStringLiteral("%1: %2").arg(where, QString::fromUtf8(line));
        if (verb == "save-failed")
            return;
    }
    if (verb == "line" || verb == "line-failed") {
        bool isNumber = false;
        const int index = words.value(2).toInt(&isNumber);
        if (!isNumber)
            return unreadable();
        if (index != order.linesAdded)
            m_problems << QStringLiteral("%1: line %2 of order %3 follows %4 lines")
                              .arg(where)
                              .arg(index)
                              .arg(number)
                              .arg(order.linesAdded);
        if (verb == "line")
            ++order.linesAdded;
    } else if (verb == "saving") {
        ++order.savesStarted;
    } else if (verb == "saved") {
        ++order.savesDone;
    } else if (verb == "voiding") {
        order.voidStarted = true;
    } else if (verb == "voided" || verb == "voided-unlisted") {
        order.voided = true;
        order.voidFoundNoEntry = verb == "voided-unlisted";
    } else if (verb != "void-failed") {
        unreadable();
    }
}

} // namespace stress
