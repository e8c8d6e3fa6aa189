#include <gtest/gtest.h>

#include "base/Resources.h"

TEST(Resources, CompiledInWithTrailingZero) {
    auto text = base::FindResource("README.txt");
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(text->substr(0, 8), "resource");
    EXPECT_EQ(text->data()[text->size()], '\0');
    EXPECT_FALSE(base::FindResource("no/such/file").has_value());
}
