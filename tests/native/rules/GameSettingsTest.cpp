#include "rules/GameSettings.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

namespace {

// Load and save walk this table; a name or member given twice would silently lose a setting.
TEST(GameSettingsTest, FieldTableNamesEveryFieldOnceInRecordOrder) {
    std::set<std::string> names;
    GameSettingsRecord marked{};
    for (std::size_t i = 0; i < kGameSettingFieldCount; ++i) {
        const GameSettingField& field = kGameSettingFields[i];
        ASSERT_NE(field.Name, nullptr);
        EXPECT_TRUE(names.insert(field.Name).second) << field.Name;
        marked.*field.Member = -1000 - static_cast<int>(i);
    }
    static_assert(sizeof(GameSettingsRecord) == kGameSettingFieldCount * sizeof(std::int32_t));
    // Every slot of the record got its own index, and the slots follow the table.
    std::int32_t slots[kGameSettingFieldCount];
    std::memcpy(slots, &marked, sizeof slots);
    for (std::size_t i = 0; i < kGameSettingFieldCount; ++i) {
        EXPECT_EQ(slots[i], -1000 - static_cast<int>(i)) << kGameSettingFields[i].Name;
    }
    EXPECT_STREQ(kGameSettingFields[0].Name, "GameNumber");
    EXPECT_STREQ(kGameSettingFields[kGameSettingFieldCount - 1].Name, "RoundRobinScore");
}

} // namespace
