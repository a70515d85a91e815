// The window's place that both analysis windows keep between runs.
#include "shell/analysis_window.h"

#include "platform/settings.h"
#include "platform/twips.h"
#include "platform/value.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

TEST(WindowPosition, KeptInTwipsAndReadBackWithTheDefaultForAnythingElse) {
    const QString section = u"PositionTest"_s;
    EXPECT_EQ(savedPosition(section), defaultPosition()) << "nothing saved";
    const QPoint at(twipsToPixelsX(1500), twipsToPixelsY(3000));
    savePosition(section, at);
    EXPECT_DOUBLE_EQ(toDouble(getSetting(section, u"MainLeft"_s)), pixelsToTwipsX(at.x()));
    EXPECT_EQ(savedPosition(section), at);
    saveSetting(section, u"MainLeft"_s, u"left"_s);
    saveSetting(section, u"MainTop"_s, u"1e999x"_s);
    EXPECT_EQ(savedPosition(section), defaultPosition());
    EXPECT_EQ(defaultPosition(), QPoint(twipsToPixelsX(100), twipsToPixelsY(100)));
}

} // namespace
} // namespace vernalt::test
