#pragma once

#include <QValidator>

namespace ui {

// Keeps characters a box's file cannot hold out of the box. A paste holding one is taken without it,
// instead of being dropped whole, and charactersDropped() lets the window tell the clerk.
class FieldValidator : public QValidator
{
    Q_OBJECT

public:
    FieldValidator(const QString& forbidden, QObject* parent);

    State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;

Q_SIGNALS:
    void charactersDropped() const;

private:
    QString m_forbidden;
};

// Says which characters a box drops, in words for the status bar.
QString droppedCharactersNote(const QString& forbidden);

} // namespace ui
