#include "support/scripted_prompts.h"

#include <QPrinter>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace vernalt::test {
namespace {

TEST(ScriptedPromptsTest, AnswersTheScriptInOrder) {
    ScriptedPrompts script;
    script
        .input(QStringLiteral("Please enter the Stratum Size"), QStringLiteral("Stratum Size"),
               QStringLiteral("250"))
        .message(QStringLiteral("Save changes?"), QStringLiteral("Vernalt"), MsgIcon::Question,
                 MsgResult::No)
        .openFile(QStringLiteral("/tmp/snags.csv"));
    EXPECT_EQ(&prompts(), &script);
    EXPECT_EQ(prompts().inputBox(QStringLiteral("Please enter the Stratum Size"),
                                 QStringLiteral("Stratum Size"), QString()),
              QStringLiteral("250"));
    EXPECT_FALSE(prompts().askYesNo(QStringLiteral("Save changes?"), QStringLiteral("Vernalt")));
    EXPECT_EQ(prompts().openFile(QStringLiteral("Open"), QStringLiteral("All Files|*.*")),
              QStringLiteral("/tmp/snags.csv"));
    EXPECT_TRUE(script.done());
}

TEST(ScriptedPromptsTest, PrinterSetupRunsOnAcceptAndTheProgramPrompterComesBack) {
    Prompts* before = &prompts();
    {
        ScriptedPrompts script;
        bool setupRan = false;
        script.printer(true, [&](QPrinter&) { setupRan = true; }).printer(false);
        QPrinter printer;
        EXPECT_TRUE(prompts().printerDialog(printer));
        EXPECT_TRUE(setupRan);
        EXPECT_FALSE(prompts().printerDialog(printer));
    }
    EXPECT_EQ(&prompts(), before);
}

TEST(ScriptedPromptsTest, AnUnexpectedPromptFailsAndCancels) {
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedPrompts script;
            EXPECT_EQ(prompts().inputBox(QStringLiteral("Name?"), QStringLiteral("T"), QString()),
                      QString());
        },
        "no scripted prompt left");
}

TEST(ScriptedPromptsTest, AnotherTextFailsAndCancels) {
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedPrompts script;
            script.message(QStringLiteral("A"), QStringLiteral("T"), MsgIcon::None);
            EXPECT_EQ(prompts().messageBox(QStringLiteral("B"), QStringLiteral("T"), MsgIcon::None,
                                           MsgButtons::OkCancel, 0),
                      MsgResult::Cancel);
        },
        "expected message");
}

TEST(ScriptedPromptsTest, AnotherIconFails) {
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedPrompts script;
            script.message(QStringLiteral("A"), QStringLiteral("Error"), MsgIcon::Exclamation);
            prompts().message(QStringLiteral("A"), QStringLiteral("Error"), MsgIcon::Critical);
        },
        "expected Exclamation");
}

TEST(ScriptedPromptsTest, APromptNeverAskedFails) {
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedPrompts script;
            script.input(QStringLiteral("Value?"), QStringLiteral("T"), QStringLiteral("1"));
        },
        "never asked");
}

} // namespace
} // namespace vernalt::test
