#pragma once

#include <QProxyStyle>

namespace ui {

// The application's style, with rows of lists and tables tall enough for the marks over Swedish
// capitals. The Tahoma of fonts-wine measures a line without them, so a row only as tall as the
// line cuts the ring and dots off "Å", "Ä" and "Ö" and "Öresunds" reads "Oresunds".
class TextRoomStyle : public QProxyStyle
{
    Q_OBJECT

public:
    using QProxyStyle::QProxyStyle;

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;
};

} // namespace ui
