#include "GameFixture.h"

namespace {

TEST_F(ZapGameTest, WordsAppearWithoutTouching) {
    auto game = Start();
    Tick(*game, 600);
    const auto words = FieldWords(*game);
    ASSERT_GT(words.size(), 10u);
    for (std::size_t i = 0; i < words.size(); ++i) {
        for (std::size_t j = i + 1; j < words.size(); ++j) {
            const RECT& a = words[i]->Rect;
            const RECT& b = words[j]->Rect;
            const bool apart = b.left > a.right || b.right < a.left || b.top > a.bottom || b.bottom < a.top;
            EXPECT_TRUE(apart) << Text(a) << " and " << Text(b);
        }
    }
}

} // namespace
