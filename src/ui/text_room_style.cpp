#include "ui/text_room_style.h"

#include "ui/fonts.h"

#include <QStyleOption>

namespace ui {

QSize TextRoomStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                      const QWidget* widget) const
{
    QSize needed = QProxyStyle::sizeFromContents(type, option, size, widget);
    if (type == CT_ItemViewItem && option)
        needed.setHeight(qMax(needed.height(), textRowHeight(option->fontMetrics)));
    return needed;
}

} // namespace ui
