// Whether a saved window place is still reachable on the screens there are now.
#include "snag/snag_resize.h"

#include <gtest/gtest.h>

namespace vernalt::test {
namespace {

TEST(TitleBarOnSomeScreen, ByWhereTheWindowLies) {
    const QList<QRect> screens = {QRect(0, 0, 1280, 1024), QRect(1280, 0, 1024, 768)};
    const std::pair<QPoint, bool> cases[] = {
        {{7, 7}, true},          {{1500, 100}, true},
        {{-500, 10}, true}, // partly left
        {{-2000, -2000}, false}, {{5000, 100}, false},
        {{100, 1020}, false},  // only the top pixel rows show
        {{1400, 800}, false}}; // below the smaller second screen
    for (const auto& [at, shown] : cases)
        EXPECT_EQ(titleBarOnSomeScreen(QRect(at, QSize(628, 632)), screens), shown)
            << at.x() << "," << at.y();
}

} // namespace
} // namespace vernalt::test
