#include "print/window_capture.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QMainWindow>
#include <QMenuBar>
#include <QPalette>
#include <QThread>
#include <QWindow>
#include <array>
#include <gtest/gtest.h>
#include <memory>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

TEST(SplitColor, RedIsTheLowByteAndASystemColourIsLookedUp) {
    const QPalette saved = QApplication::palette();
    QPalette known = saved;
    known.setColor(QPalette::Window, QColor(200, 201, 202)); // the button face
    QApplication::setPalette(known);
    const auto parts = [](std::uint32_t color) {
        const ColorParts p = SplitColor(color).value_or(ColorParts{-1, -1, -1});
        return std::array{p.red, p.green, p.blue};
    };
    EXPECT_EQ(parts(0x00336699u), (std::array{0x99, 0x66, 0x33}));
    EXPECT_EQ(parts(0x12C0FFEEu), (std::array{0xEE, 0xFF, 0xC0})); // a stray top byte is ignored
    EXPECT_EQ(parts(SystemButtonFace), (std::array{200, 201, 202}));
    EXPECT_FALSE(SplitColor(NoColor).has_value());
    QApplication::setPalette(saved);
}

const QRgb Key = qRgb(240, 240, 240);
const QRgb Red = qRgb(255, 0, 0);
const QRgb Green = qRgb(0, 255, 0);
const QRgb Blue = qRgb(0, 0, 255);
const QRgb Black = qRgb(0, 0, 0);

QImage filled(int w, int h, QRgb colour) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

TEST(TransparentCopy, KeyPixelsShowTheBackgroundUnderTheTarget) {
    QImage source = filled(3, 2, Key); // K R K
    source.setPixel(1, 0, Red);        // K K G
    source.setPixel(2, 1, Green);
    QImage background = filled(8, 8, Blue);
    background.setPixel(2, 1, Green);
    QImage dest = filled(8, 8, Black);
    // (0, 0)-(2, 1) takes in its edges: all 3 x 2 pixels, onto (2, 1)-(4, 2)
    TransparentCopy(dest, background, source, QRect(QPoint(0, 0), QPoint(2, 1)), 2, 1, Key);
    const struct {
        int x, y;
        QRgb colour;
    } expected[] = {{2, 1, Green}, {3, 1, Red},   {4, 1, Blue},  {2, 2, Blue}, {3, 2, Blue},
                    {4, 2, Green}, {1, 1, Black}, {5, 2, Black}, {3, 3, Black}};
    for (const auto& e : expected)
        EXPECT_EQ(dest.pixel(e.x, e.y), e.colour) << e.x << ", " << e.y;

    // A rectangle larger than the source, reaching past the destination's edge:
    // only what lies in both images is copied.
    TransparentCopy(dest, dest, filled(2, 4, Red), QRect(0, 0, 20, 20), 5, 6, Key);
    EXPECT_EQ(dest.pixel(6, 7), Red);
    EXPECT_EQ(dest.pixel(7, 6), Black);
}

// ---- CaptureWindowImage ----------------------------------------------------

const QRgb MenuColour = qRgb(192, 48, 48);
const QRgb ClientColour = qRgb(48, 160, 64);
constexpr int MenuHeight = 24;
constexpr int WindowWidth = 160;
constexpr int WindowHeight = 100; // a client area of 160 x 76 below the menu bar

// Lets the window system work until `done` holds or `ms` milliseconds have passed.
template <class Done> bool waitFor(Done done, int ms) {
    const QDeadlineTimer deadline(ms);
    while (!done() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    return done();
}

// A shown window with an empty menu bar of MenuHeight pixels in MenuColour over
// a client area in ClientColour.
std::unique_ptr<QMainWindow> makeWindow(Qt::WindowFlags flags = {}) {
    auto window = std::make_unique<QMainWindow>(nullptr, flags);
    auto* menu = new QMenuBar;
    menu->setFixedHeight(MenuHeight);
    menu->setStyleSheet(
        u"QMenuBar { background: %1; border: none; }"_s.arg(QColor(MenuColour).name()));
    window->setMenuBar(menu);
    auto* client = new QWidget;
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, QColor(ClientColour));
    client->setPalette(palette);
    client->setAutoFillBackground(true);
    window->setCentralWidget(client);
    window->resize(WindowWidth, WindowHeight);
    window->move(60, 60);
    window->show();
    waitFor([&] { return window->windowHandle()->isExposed(); }, 5000);
    return window;
}

QImage capture(QWidget* window, bool client, const QRect& r) {
    return CaptureWindowImage(window, client, r.x(), r.y(), r.width(), r.height());
}

TEST(CaptureWindowImage, WholeFramelessWindowIsTheMenuBarOverTheClientArea) {
    const auto window = makeWindow(Qt::FramelessWindowHint);
    const QImage whole = capture(window.get(), false, QRect(0, 0, WindowWidth, WindowHeight));
    const QImage client = capture(window.get(), true, QRect(0, 0, WindowWidth, WindowHeight));
    ASSERT_EQ(whole.size(), QSize(160, 100));
    ASSERT_EQ(client.size(), QSize(160, 76)); // 100 - 24 rows of menu bar, cut at the bottom
    for (int y : {0, 23})
        EXPECT_EQ(whole.pixel(80, y), MenuColour) << y;
    EXPECT_EQ(whole.pixel(80, 24), ClientColour);
    EXPECT_EQ(client.pixel(80, 0), ClientColour);
    EXPECT_EQ(whole.copy(0, 24, 160, 76), client);
}

TEST(CaptureWindowImage, RectangleIsCutAtTheEdgesOfItsArea) {
    const auto window = makeWindow(Qt::FramelessWindowHint);
    const struct {
        const char* name;
        bool client;
        QRect wanted;
        QSize size;   // empty: a null image
        QRgb topLeft; // the colour of the picture's first pixel
    } cases[] = {
        {"client, past right and bottom", true, {150, 70, 50, 50}, {10, 6}, ClientColour},
        {"client, from before left and top", true, {-5, -8, 20, 20}, {15, 12}, ClientColour},
        {"client, from above reaches no menu bar", true, {0, -30, 10, 40}, {10, 10}, ClientColour},
        {"whole, from before left and top", false, {-10, -10, 30, 30}, {20, 20}, MenuColour},
        {"whole, past the bottom", false, {0, 90, 30, 30}, {30, 10}, ClientColour},
        {"whole, below the client area's height", false, {0, 76, 10, 10}, {10, 10}, ClientColour},
        {"client, below its bottom", true, {0, 76, 10, 10}, {}, 0},
        {"whole, right of the window", false, {160, 0, 10, 10}, {}, 0},
        {"client, no width", true, {0, 0, 0, 10}, {}, 0},
        {"whole, negative height", false, {0, 0, 10, -1}, {}, 0},
    };
    for (const auto& c : cases) {
        const QImage image = capture(window.get(), c.client, c.wanted);
        if (c.size.isEmpty()) {
            EXPECT_TRUE(image.isNull()) << c.name;
            continue;
        }
        ASSERT_EQ(image.size(), c.size) << c.name;
        EXPECT_EQ(image.pixel(0, 0), c.topLeft) << c.name;
    }
    EXPECT_TRUE(capture(nullptr, false, QRect(0, 0, 10, 10)).isNull());
    EXPECT_TRUE(capture(nullptr, true, QRect(0, 0, 10, 10)).isNull());
}

TEST(CaptureWindowImage, OffscreenWholeWindowHasNoFrame) {
    if (QGuiApplication::platformName() != u"offscreen")
        GTEST_SKIP() << "the offscreen platform only";
    const auto window = makeWindow();
    // The platform reports a frame around the window but draws nothing there.
    ASSERT_NE(window->frameGeometry(), window->geometry());
    const QImage whole = capture(window.get(), false, QRect(0, 0, 500, 500));
    ASSERT_EQ(whole.size(), QSize(160, 100));
    EXPECT_EQ(whole.pixel(0, 0), MenuColour);
}

// Needs a window manager that draws frames (an X server with one, for instance);
// skipped elsewhere. ./test runs it under one with VERNALT_TEST_FRAMES set, and
// then a window without a frame fails it rather than skipping it.
TEST(CaptureWindowImage, WholeWindowIsTheFrameAsTheScreenShowsIt) {
    const bool framesExpected = qEnvironmentVariableIsSet("VERNALT_TEST_FRAMES");
    if (QGuiApplication::platformName() == u"offscreen") {
        ASSERT_FALSE(framesExpected) << "VERNALT_TEST_FRAMES is set, but the platform is offscreen";
        GTEST_SKIP() << "the offscreen platform draws no frames";
    }
    const auto window = makeWindow();
    const bool framed = waitFor([&] { return window->frameGeometry() != window->geometry(); },
                                framesExpected ? 10000 : 2000);
    if (!framed) {
        ASSERT_FALSE(framesExpected) << "VERNALT_TEST_FRAMES is set, but the window got no frame";
        GTEST_SKIP() << "no window manager draws frames here";
    }
    window->raise();
    waitFor([] { return false; }, 300); // the window manager and the window paint
    const QRect frame = window->frameGeometry();
    const QPoint inside = window->geometry().topLeft() - frame.topLeft();
    const QImage whole = capture(window.get(), false, QRect(QPoint(0, 0), frame.size()));
    const QImage client = capture(window.get(), true, QRect(0, 0, WindowWidth, WindowHeight));
    ASSERT_EQ(whole.size(), frame.size());
    ASSERT_EQ(client.size(), QSize(160, 76));
    EXPECT_GT(inside.y(), 0) << "a title bar above the window";
    EXPECT_EQ(whole.pixel(inside.x() + 80, inside.y()), MenuColour);
    EXPECT_EQ(whole.copy(QRect(inside + QPoint(0, MenuHeight), client.size())), client);
    // Cut at the frame's bottom right corner.
    const QImage corner =
        capture(window.get(), false, QRect(frame.width() - 10, frame.height() - 5, 50, 50));
    EXPECT_EQ(corner.size(), QSize(10, 5));
    EXPECT_TRUE(capture(window.get(), false, QRect(frame.width(), 0, 10, 10)).isNull());

    // A window the screen does not show gives its own pixels, as without a frame.
    window->showMinimized();
    waitFor([&] { return !window->windowHandle()->isExposed(); }, 2000);
    EXPECT_EQ(capture(window.get(), false, QRect(0, 0, 500, 500)).size(), QSize(160, 100));
    window->hide();
    EXPECT_EQ(capture(window.get(), false, QRect(0, 0, 500, 500)).size(), QSize(160, 100));
}

} // namespace
} // namespace vernalt::test
