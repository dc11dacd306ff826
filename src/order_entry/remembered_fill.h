#pragma once

#include <QHash>
#include <QPair>
#include <QString>
#include <QVector>

class QCompleter;
class QLineEdit;

// Fills boxes with what earlier orders said, never over what the clerk typed: a box counts as typed
// into when it holds anything but what was filled into it last.
class RememberedFill
{
public:
    void fill(QLineEdit* box, const QString& value);
    // A new line or order begins: nothing in the boxes was filled by us any longer.
    void forget() { m_filled.clear(); }

    // A drop-down of earlier values under `box`, worked with the keys: arrows, Enter, Esc. Choosing a
    // row puts its value into the box.
    static QCompleter* attachSuggestions(QLineEdit* box, const QString& spokenName);
    // The rows offered now, each as it is shown and the value it puts into the box.
    static void offer(QCompleter* suggestions, const QVector<QPair<QString, QString>>& rows);

private:
    QHash<QLineEdit*, QString> m_filled;
};
