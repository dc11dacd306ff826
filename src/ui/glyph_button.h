#pragma once

#include <QPushButton>

namespace ui {

// A small button whose caption is a Marlett letter: "4" right, "5" up and "6" down triangle.
// Without Marlett the same triangles are drawn from ordinary arrow characters.
class GlyphButton : public QPushButton
{
    Q_OBJECT
    Q_PROPERTY(QString caption READ caption)

public:
    explicit GlyphButton(const QString& marlettLetter, QWidget* parent = nullptr, qreal pointSize = 9.75);

    QString caption() const { return m_caption; }

private:
    QString m_caption;
};

} // namespace ui
