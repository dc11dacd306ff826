#pragma once

#include <QHash>
#include <QSet>
#include <QString>

namespace language {

// Text slots addressed by text number, 0 to 9,999,999. A slot that was never written reads as
// the empty string; only written slots take memory, so the full range costs nothing up front.
class LanguageTable
{
public:
    static constexpr int kSlotCount = 10'000'000;

    static bool isSlot(qint64 number) { return number >= 0 && number < kSlotCount; }

    // Empty for a slot never written, and for a number outside the table.
    QString text(int number) const { return m_slots.value(number); }

    // Replaces what the slot held; false, with nothing stored, for a number outside the table.
    bool setText(int number, const QString& text);

    int writtenCount() const { return int(m_slots.size()); }

    // A fresh, empty table; the program itself never empties its table during a run.
    void clear() { m_slots.clear(); }

private:
    QHash<int, QString> m_slots;
};

} // namespace language

namespace Module2 {

// The program's one language table: empty at start, filled only by LoadLanguage.
language::LanguageTable& languageTable();

// Read access to slot n.
QString LangText(int n);

// Every text number LangText was asked for during the run, so a check can hold the shipped
// language files against the numbers the windows really read.
const QSet<int>& askedTextNumbers();

} // namespace Module2
