#include "ui/controls.h"

#include "ui/accessible_names.h"
#include "ui/field_validator.h"
#include "ui/glyph_button.h"
#include "ui/twips.h"

namespace ui {

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& caption, int left, int top, int width,
                  int height)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setFocusPolicy(Qt::NoFocus);
    // Captions and values show exactly as stored; a name that looks like markup is still just text.
    label->setTextFormat(Qt::PlainText);
    place(label, left, top, width, height);
    return label;
}

QLabel* makeMessage(QWidget* parent, const QString& name, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setVisible(false);
    return label;
}

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption, int left, int top, int width,
                        int height)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    // Enter presses the button that has the focus, as on the desktop the clerk is used to.
    button->setAutoDefault(true);
    nameAfterCaption(button);
    place(button, left, top, width, height);
    return button;
}

QLineEdit* makeTextBox(QWidget* parent, const QString& name, int left, int top, int width, int height, int maxLength)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setMaxLength(maxLength);
    box->setValidator(new FieldValidator(QStringLiteral("\r\n"), box));
    place(box, left, top, width, height);
    return box;
}

GlyphButton* makeGlyphButton(QWidget* parent, const QString& name, const QString& letter, int left, int top, int width,
                             int height, qreal pointSize)
{
    auto* button = new GlyphButton(letter, parent, pointSize);
    button->setObjectName(name);
    button->setAutoDefault(true);
    place(button, left, top, width, height);
    return button;
}

void setBold(QWidget* widget)
{
    QFont font = widget->font();
    font.setBold(true);
    widget->setFont(font);
}

void setFixedDialogFrame(QWidget* window)
{
    window->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
}

} // namespace ui
