// Pictures of the program's windows and the two colour helpers used to draw
// them: a copy that leaves one colour out, and the split of a colour value
// (an RGB value or a system colour) into its red, green and blue parts.
#pragma once

#include <QImage>
#include <QRect>
#include <QRgb>
#include <cstdint>
#include <optional>

class QWidget;

namespace vernalt {

// Colour values as the drawing code stores them: 0x00BBGGRR for an RGB value;
// with the high bit set, the low bits are the index of a system colour.
inline constexpr std::uint32_t NoColor = 0xFFFFFFFFu; // "no colour" (-1)
inline constexpr std::uint32_t SystemColorFlag = 0x80000000u;
inline constexpr std::uint32_t SystemButtonFace = 0x8000000Fu; // button face, window background

struct ColorParts {
    int red = 0;
    int green = 0;
    int blue = 0;
};

// The current colour of system colour `index` (15 button face, 5 window, 8 window
// text...), taken from the application's palette; black for an unknown index.
QRgb systemColor(int index);

// The red, green and blue parts of `color`; a system colour is looked up first.
// NoColor gives nothing, so the caller keeps the parts it had.
std::optional<ColorParts> SplitColor(std::uint32_t color);

// The client area of `window` as it shows on the screen: everything inside the
// frame but below the menu bar, status bar and tool bars included. A null
// window gives a null image.
QImage CaptureFormClient(QWidget* window);

// The rectangle (left, top, width, height) of `window`, cut at the edges of the
// area it is taken from; null when nothing is left or there is no window.
// client true: the client area, from its top left below the menu bar.
// client false: the whole window as the screen shows it, from the top left of its
// frame, frame and title bar included where the window system draws them (cut at
// the screen's edges too). Without a frame (a frameless window, a platform that
// draws none) the whole window is the client area with the menu bar above it.
QImage CaptureWindowImage(QWidget* window, bool client, int left, int top, int width, int height);

// Copies the rectangle `sourceRect` of `source` (edges included, so (0, 0)-(100, 50)
// copies 101 x 51 pixels) to (x, y) of `destination`, leaving out every source pixel
// whose colour is `transparent`: there the pixel of `background` under (x, y) shows
// instead. `destination` and `background` may be the same image. Pixels falling
// outside any of the images are not copied. An empty rectangle copies nothing.
void TransparentCopy(QImage& destination, const QImage& background, const QImage& source,
                     const QRect& sourceRect, int x, int y, QRgb transparent);

} // namespace vernalt
