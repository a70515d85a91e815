#include "snag/snag_errors.h"

#include "support/scripted_prompts.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

TEST(TrappedOpenDatabase, ReadOnlyHasItsOwnMessageOtherErrorsTheCommonReport) {
    ScriptedPrompts script;
    script.message(u"Cannot open the database for updating.  It may be set as read-only."_s,
                   u"Open database error"_s, MsgIcon::Critical);
    EXPECT_FALSE(trappedOpenDatabase(prompts(), u"SetDimensions"_s, [] { raise(3051); }));
    script.message(u"9 : Subscript out of range - Snag Procedure 'SetDimensions'"_s, u"Error"_s,
                   MsgIcon::Exclamation);
    EXPECT_FALSE(trappedOpenDatabase(prompts(), u"SetDimensions"_s, [] { raise(9); }));
    EXPECT_TRUE(trappedOpenDatabase(prompts(), u"Form_Load"_s, [] {}));
}

} // namespace
} // namespace vernalt::test
