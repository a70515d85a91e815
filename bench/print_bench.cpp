// Drawing a captured window with its button-face grey left out, at window sizes
// from a small analysis window to a full screen.
#include "print/window_capture.h"

#include <benchmark/benchmark.h>

namespace {

// A window-like picture: grey everywhere, with a coloured stripe every 8 rows.
QImage windowPicture(int width, int height, QRgb face) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(face);
    for (int y = 0; y < height; y += 8)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x % 256, y % 256, 128));
    return image;
}

void BM_TransparentCopy(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    const QRgb face = qRgb(239, 239, 239);
    const QImage picture = windowPicture(width, height, face);
    QImage surface(width, height, QImage::Format_ARGB32);
    for (auto _ : state) {
        surface.fill(Qt::white);
        vernalt::TransparentCopy(surface, surface, picture, picture.rect(), 0, 0, face);
        benchmark::DoNotOptimize(surface.constBits());
    }
    state.SetItemsProcessed(state.iterations() * width * height);
}
BENCHMARK(BM_TransparentCopy)
    ->Args({628, 538})
    ->Args({1280, 1024})
    ->Args({1920, 1080})
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
