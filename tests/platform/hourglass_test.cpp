// The hourglass of a long step and the prompts it shows: each prompt with the
// normal pointer, the hourglass again after it, a step inside a step too.
#include "platform/hourglass.h"

#include "support/pointer.h"
#include "support/scripted_prompts.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

TEST(Hourglass, PromptsShowTheNormalPointerThenTheHourglassAgain) {
    ScriptedPrompts script;
    script.input(u"Name?"_s, u"T"_s, u"x"_s).message(u"Done"_s, u"T"_s, MsgIcon::None);
    {
        const Hourglass step;
        {
            const Hourglass inner; // a step that runs another
            EXPECT_EQ(prompts().inputBox(u"Name?"_s, u"T"_s), u"x"_s);
            EXPECT_EQ(pointer(), Qt::WaitCursor);
        }
        prompts().message(u"Done"_s, u"T"_s);
        EXPECT_EQ(pointer(), Qt::WaitCursor);
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(script.pointers, (std::vector{Qt::ArrowCursor, Qt::ArrowCursor}));
}

} // namespace
} // namespace vernalt::test
