#include "ui/field_validator.h"

#include "data/data_texts.h"

namespace ui {

FieldValidator::FieldValidator(const QString& forbidden, QObject* parent) : QValidator(parent), m_forbidden(forbidden)
{
}

QValidator::State FieldValidator::validate(QString& input, int& pos) const
{
    int removedBeforeCursor = 0;
    qsizetype kept = 0;
    for (qsizetype i = 0; i < input.size(); ++i) {
        if (m_forbidden.contains(input.at(i))) {
            if (i < pos)
                ++removedBeforeCursor;
            continue;
        }
        input[kept++] = input.at(i);
    }
    if (kept == input.size())
        return Acceptable;
    input.truncate(kept);
    pos -= removedBeforeCursor;
    Q_EMIT charactersDropped();
    return Acceptable;
}

void FieldValidator::fixup(QString& input) const
{
    int pos = 0;
    validate(input, pos);
}

QString droppedCharactersNote(const QString& forbidden)
{
    return forbidden.contains(QLatin1Char('"')) ? data::dataText(data::DataText::DroppedQuotesAndBreaks)
                                                : data::dataText(data::DataText::DroppedBreaks);
}

} // namespace ui
