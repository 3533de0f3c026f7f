#pragma once

#include <QRect>

namespace vexil {

// The layout is measured in twips (1/1440 inch); at 96 dots per inch 15 twips
// make one pixel. Every position and size of the window goes through here.
inline constexpr int kTwipsPerPixel = 15;

constexpr int twipsToPixels(int twips)
{
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

constexpr QRect toPixels(const TwipsRect& r)
{
    return {twipsToPixels(r.left), twipsToPixels(r.top), twipsToPixels(r.width), twipsToPixels(r.height)};
}

}  // namespace vexil
