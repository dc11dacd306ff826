#include "ui/glyph_button.h"

#include "ui/fonts.h"

namespace ui {

GlyphButton::GlyphButton(const QString& marlettLetter, QWidget* parent, qreal pointSize)
    : QPushButton(parent), m_caption(marlettLetter)
{
    if (hasMarlett()) {
        QFont marlett(QStringLiteral("Marlett"));
        marlett.setPointSizeF(pointSize);
        setFont(marlett);
        setText(marlettLetter);
        return;
    }
    static const QHash<QString, QString> arrows{
        {QStringLiteral("4"), QStringLiteral("\u25B6")},
        {QStringLiteral("5"), QStringLiteral("\u25B2")},
        {QStringLiteral("6"), QStringLiteral("\u25BC")},
    };
    setText(arrows.value(marlettLetter, marlettLetter));
}

} // namespace ui
