#include <gtest/gtest.h>

#include "grid/GridTypes.h"

using namespace grid;

namespace {

template <typename E>
void ExpectRoundTrip(E last, size_t count) {
    EXPECT_EQ(EnumNames(E{}).size(), count);
    EXPECT_EQ(size_t(last) + 1, count);
    for (size_t i = 0; i < count; ++i) {
        const E v = static_cast<E>(i);
        E back{};
        ASSERT_TRUE(EnumFromName(EnumName(v), back)) << EnumName(v);
        EXPECT_EQ(back, v);
    }
}

}  // namespace

TEST(GridTypes, StoredNamesReadBackToTheSameValue) {
    ExpectRoundTrip(edMaskEditBtn, 43);
    ExpectRoundTrip(ssAlphaNumericNoCase, 20);
    ExpectRoundTrip(cbBottom, 4);
    ExpectRoundTrip(GradientHorizontal, 2);
    ExpectRoundTrip(vtaBottom, 3);
    ExpectRoundTrip(arrRight, 4);
    ExpectRoundTrip(tasCheck, 2);
    ExpectRoundTrip(adTopBottomInCol, 4);
    ExpectRoundTrip(fceRightClick, 4);
    ExpectRoundTrip(fceComboList, 3);
    ExpectRoundTrip(waScroll, 2);
    ExpectRoundTrip(ssSuiteB, 4);
    ExpectRoundTrip(hcSelected, 3);
    ExpectRoundTrip(acSTDDEV, 10);
}

TEST(GridTypes, NamesOfTheWindowsEditorsAndUnknownNames) {
    EXPECT_EQ(EnumName(edComboList), "edComboList");
    EXPECT_EQ(EnumName(edDataCheckBox), "edDataCheckBox");
    EXPECT_EQ(int(edDataCheckBox), 10);
    TEditorType e = edNormal;
    EXPECT_FALSE(EnumFromName("edcombolist", e));  // layouts write names as declared
    EXPECT_EQ(e, edNormal);
    EXPECT_EQ(EnumName(static_cast<TVAlignment>(7)), "");
}
