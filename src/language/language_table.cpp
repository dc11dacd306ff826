#include "language/language_table.h"

namespace language {

bool LanguageTable::setText(int number, const QString& text)
{
    if (!isSlot(number))
        return false;
    m_slots.insert(number, text);
    return true;
}

} // namespace language

namespace Module2 {

language::LanguageTable& languageTable()
{
    static language::LanguageTable table;
    return table;
}

namespace {
QSet<int>& asked()
{
    static QSet<int> numbers;
    return numbers;
}
} // namespace

QString LangText(int n)
{
    asked().insert(n);
    return languageTable().text(n);
}

const QSet<int>& askedTextNumbers()
{
    return asked();
}

} // namespace Module2
