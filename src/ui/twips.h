#pragma once

#include <QWidget>

namespace ui {

// Window and control sizes are given in twips, 1/1440 inch; at the usual 96 dots per inch
// a pixel is 15 twips, and Qt scales for screens with other densities.
constexpr int kTwipsPerPixel = 15;

constexpr int twipsToPixels(int twips)
{
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

constexpr int pixelsToTwips(int pixels)
{
    return pixels * kTwipsPerPixel;
}

// Places a control by its left, top, width and height in twips.
inline void place(QWidget* widget, int left, int top, int width, int height)
{
    widget->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

// Fixes a window's client area, in twips.
inline void setClientSize(QWidget* window, int width, int height)
{
    window->setFixedSize(twipsToPixels(width), twipsToPixels(height));
}

} // namespace ui
