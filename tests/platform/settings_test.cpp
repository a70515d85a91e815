#include "platform/settings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryFile>
#include <gtest/gtest.h>

namespace vernalt::test {
namespace {

const QString section = QStringLiteral("SettingsTest");

TEST(Settings, KeptPerSectionAsTextWithDefaultsForMissingKeys) {
    const QString other = QStringLiteral("SettingsTest2");
    EXPECT_TRUE(saveSetting(section, QStringLiteral("Method"), QStringLiteral("LIM")));
    EXPECT_TRUE(saveSetting(other, QStringLiteral("Method"), QStringLiteral("SPM")));
    EXPECT_TRUE(saveSetting(section, QStringLiteral("Top"), -120));
    EXPECT_TRUE(saveSettingBool(section, QStringLiteral("Metric"), true));
    EXPECT_EQ(getSetting(section, QStringLiteral("Method")), QStringLiteral("LIM"));
    EXPECT_EQ(getSetting(other, QStringLiteral("Method")), QStringLiteral("SPM"));
    EXPECT_EQ(getSetting(section, QStringLiteral("Top")), QStringLiteral("-120"));
    EXPECT_EQ(getSetting(section, QStringLiteral("Metric")), QStringLiteral("True"));
    EXPECT_EQ(getSetting(section, QStringLiteral("Nothing"), QStringLiteral("d")),
              QStringLiteral("d"));
    EXPECT_EQ(getSettingInt(section, QStringLiteral("Nothing"), 7), 7);
    EXPECT_TRUE(getSettingBool(section, QStringLiteral("Nothing"), true));
}

struct IntCase {
    const char* stored;
    int expected; // with default 42
};

const IntCase ints[] = {
    {"12", 12},  {" 12 ", 12}, {"12.5", 12}, {"13.5", 14},
    {"abc", 42}, {"", 42},     {"1e20", 42}, {"12 ft", 42},
};

TEST(Settings, WholeNumbersRoundHalfEvenAndOtherTextGivesTheDefault) {
    for (const auto& c : ints) {
        saveSetting(section, QStringLiteral("Int"), QString::fromLatin1(c.stored));
        EXPECT_EQ(getSettingInt(section, QStringLiteral("Int"), 42), c.expected) << c.stored;
    }
}

struct BoolCase {
    const char* stored;
    bool def;
    bool expected;
};

const BoolCase bools[] = {
    {"True", false, true}, {"false", true, false}, {"-1", false, true},
    {"0", true, false},    {"maybe", true, true},  {"maybe", false, false},
};

TEST(Settings, TruthValues) {
    for (const auto& c : bools) {
        saveSetting(section, QStringLiteral("Bool"), QString::fromLatin1(c.stored));
        EXPECT_EQ(getSettingBool(section, QStringLiteral("Bool"), c.def), c.expected) << c.stored;
    }
}

// A store edited by hand: "Method=LIM, SPM" reads as a list, no text.
TEST(Settings, AValueThatIsNoTextGivesTheDefault) {
    {
        QSettings store(QStringLiteral("Vernalt"), QStringLiteral("Vernalt"));
        store.setValue(section + QStringLiteral("/Method"),
                       QStringList{QStringLiteral("LIM"), QStringLiteral("SPM")});
    }
    EXPECT_EQ(getSetting(section, QStringLiteral("Method"), QStringLiteral("d")),
              QStringLiteral("d"));
}

TEST(Settings, AStoreThatCannotBeWrittenReportsFailure) {
    // Point the store below a plain file, where no folder can be made.
    const QString current =
        QFileInfo(QSettings(QStringLiteral("Vernalt"), QStringLiteral("Vernalt")).fileName())
            .dir()
            .absolutePath();
    QTemporaryFile file;
    ASSERT_TRUE(file.open());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, file.fileName());
    const bool saved = saveSetting(section, QStringLiteral("Method"), QStringLiteral("LIM"));
    const QString read = getSetting(section, QStringLiteral("Method"), QStringLiteral("d"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QFileInfo(current).absolutePath());
    EXPECT_FALSE(saved);
    EXPECT_EQ(read, QStringLiteral("d"));
}

} // namespace
} // namespace vernalt::test
