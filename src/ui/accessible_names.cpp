#include "ui/accessible_names.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>

namespace ui {

namespace {
QString withPart(const QLabel* caption, const QString& part)
{
    const QString spoken = spokenCaption(caption->text());
    if (spoken.isEmpty() || part.isEmpty())
        return spoken;
    return spoken + QStringLiteral(", ") + part;
}
} // namespace

QString spokenCaption(const QString& caption)
{
    QString spoken;
    spoken.reserve(caption.size());
    for (int i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == QLatin1Char('&')) {
            // "&&" stands for one "&"; a single one only marks the next letter.
            if (i + 1 < caption.size() && caption.at(i + 1) == QLatin1Char('&'))
                spoken += caption.at(++i);
            continue;
        }
        spoken += caption.at(i);
    }
    spoken = spoken.simplified();
    if (spoken.endsWith(QLatin1Char(':')))
        spoken = spoken.chopped(1).trimmed();
    return spoken;
}

void speak(QWidget* control, const QString& name, const QString& description)
{
    const QString spoken = name.simplified();
    if (!spoken.isEmpty())
        control->setAccessibleName(spoken);
    if (!description.isEmpty())
        control->setAccessibleDescription(description.simplified());
}

void nameAfter(QWidget* control, const QLabel* caption, const QString& part)
{
    const QString name = withPart(caption, part);
    speak(control, name);
    // On Linux the toolkit reads a combo box's current entry as its name and takes the caption
    // only from a label whose buddy it is; without one, the caption is heard as its description.
    if (qobject_cast<QComboBox*>(control) && caption->buddy() != control)
        speak(control, QString(), name);
}

void describeAfter(QLabel* value, const QLabel* caption, const QString& part)
{
    speak(value, QString(), withPart(caption, part));
}

void nameAfterCaption(QAbstractButton* button)
{
    speak(button, spokenCaption(button->text()));
}

} // namespace ui
