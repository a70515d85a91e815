#include "print/window_capture.h"

#include <QApplication>
#include <QLayout>
#include <QMainWindow>
#include <QPalette>
#include <QPixmap>
#include <QScreen>
#include <QWidget>

namespace vernalt {

namespace {

// The system colours the program uses, by their index, and the palette role
// that plays the same part in this program's windows.
struct SystemColorRole {
    int index;
    QPalette::ColorRole role;
};
constexpr SystemColorRole SystemColorRoles[] = {
    {4, QPalette::Window},           // menu background
    {5, QPalette::Base},             // window (text box) background
    {7, QPalette::WindowText},       // menu text
    {8, QPalette::Text},             // window (text box) text
    {13, QPalette::Highlight},       // selected item
    {14, QPalette::HighlightedText}, // selected item text
    {15, QPalette::Window},          // button face: the background of forms and frames
    {16, QPalette::Dark},            // button shadow
    {18, QPalette::ButtonText},      // button text
    {20, QPalette::Light},           // button highlight
};

// The height of the menu bar at the top of `window`, 0 if it has none showing.
int menuBarHeight(const QWidget* window) {
    const QWidget* menu = nullptr;
    if (const auto* main = qobject_cast<const QMainWindow*>(window))
        menu = main->menuWidget();
    else if (window->layout() != nullptr)
        menu = window->layout()->menuBar();
    if (menu == nullptr || menu->isHidden())
        return 0;
    return menu->geometry().bottom() + 1;
}

// The part `part` of `window`'s own pixels, menu bar included; null when empty.
QImage grabPart(QWidget* window, const QRect& part) {
    if (part.isEmpty())
        return {};
    return window->grab(part).toImage();
}

// Whether the screen shows the frames the window system reports around windows.
// The offscreen platform reports frame margins but draws nothing in them.
bool screenShowsFrames() {
    return QGuiApplication::platformName() != u"offscreen";
}

} // namespace

QRgb systemColor(int index) {
    for (const auto& entry : SystemColorRoles)
        if (entry.index == index)
            return QApplication::palette().color(QPalette::Active, entry.role).rgb();
    return qRgb(0, 0, 0);
}

std::optional<ColorParts> SplitColor(std::uint32_t color) {
    if (color == NoColor)
        return std::nullopt;
    if ((color & SystemColorFlag) != 0) {
        // QRgb is 0xAARRGGBB; turn it into the 0x00BBGGRR of a colour value.
        const QRgb sys = systemColor(static_cast<int>(color & 0x00FFFFFFu));
        color = static_cast<std::uint32_t>(qRed(sys)) |
                (static_cast<std::uint32_t>(qGreen(sys)) << 8) |
                (static_cast<std::uint32_t>(qBlue(sys)) << 16);
    }
    return ColorParts{static_cast<int>(color & 0xFFu), static_cast<int>((color >> 8) & 0xFFu),
                      static_cast<int>((color >> 16) & 0xFFu)};
}

QImage CaptureFormClient(QWidget* window) {
    if (window == nullptr)
        return {};
    const int top = menuBarHeight(window);
    return CaptureWindowImage(window, true, 0, 0, window->width(), window->height() - top);
}

QImage CaptureWindowImage(QWidget* window, bool client, int left, int top, int width, int height) {
    if (window == nullptr)
        return {};
    const QRect area(left, top, width, height);
    if (client) {
        const int menu = menuBarHeight(window);
        const QRect clientArea(0, menu, window->width(), window->height() - menu);
        return grabPart(window, area.translated(0, menu).intersected(clientArea));
    }
    const QRect frame = window->frameGeometry();
    if (frame == window->geometry() || !window->isVisible() || window->isMinimized() ||
        !screenShowsFrames())
        return grabPart(window, area.intersected(window->rect()));
    // The frame belongs to the window system: read the screen's pixels over it.
    QScreen* screen = window->screen();
    const QRect onScreen = area.intersected(QRect(QPoint(0, 0), frame.size()))
                               .translated(frame.topLeft())
                               .intersected(screen->geometry());
    if (onScreen.isEmpty())
        return {};
    const QPoint from = onScreen.topLeft() - screen->geometry().topLeft();
    return screen->grabWindow(0, from.x(), from.y(), onScreen.width(), onScreen.height()).toImage();
}

void TransparentCopy(QImage& destination, const QImage& background, const QImage& source,
                     const QRect& sourceRect, int x, int y, QRgb transparent) {
    if (sourceRect.isEmpty() || destination.isNull() || source.isNull())
        return;
    // Work on 32-bit copies: `background` may share its pixels with `destination`,
    // and what lies under the target spot must be read before anything is written.
    const QImage src = source.convertToFormat(QImage::Format_ARGB32);
    const QImage under = background.convertToFormat(QImage::Format_ARGB32);
    QImage out = destination.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = transparent & RGB_MASK;

    for (int row = 0; row < sourceRect.height(); ++row) {
        const int sy = sourceRect.top() + row;
        const int dy = y + row;
        if (sy < 0 || sy >= src.height() || dy < 0 || dy >= out.height())
            continue;
        const auto* srcLine = reinterpret_cast<const QRgb*>(src.constScanLine(sy));
        const bool underRow = dy < under.height();
        const auto* underLine =
            underRow ? reinterpret_cast<const QRgb*>(under.constScanLine(dy)) : nullptr;
        auto* outLine = reinterpret_cast<QRgb*>(out.scanLine(dy));
        for (int col = 0; col < sourceRect.width(); ++col) {
            const int sx = sourceRect.left() + col;
            const int dx = x + col;
            if (sx < 0 || sx >= src.width() || dx < 0 || dx >= out.width())
                continue;
            const QRgb pixel = srcLine[sx];
            if ((pixel & RGB_MASK) != key)
                outLine[dx] = pixel;
            else if (underLine != nullptr && dx < under.width())
                outLine[dx] = underLine[dx];
        }
    }
    const qreal ratio = destination.devicePixelRatio();
    destination = out.convertToFormat(destination.format());
    destination.setDevicePixelRatio(ratio);
}

} // namespace vernalt
