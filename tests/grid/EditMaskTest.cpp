// Edit masks: what a masked editor shows for a value, which typed
// characters each place takes, and what value it stores.

#include <gtest/gtest.h>

#include <string>

#include "base/TextCodec.h"
#include "grid/EditMask.h"

using grid::TEditMaskText;

namespace {

std::string U8(const std::u16string& s) { return base::Utf16ToUtf8(s); }

TEST(EditMask, ShowsAndStoresValues) {
    const struct {
        const char* mask;
        const char* value;
        const char* shown;
        const char* stored;
    } cases[] = {
        {"!99/99/0000;1;_", "15/03/2024", "15/03/2024", "15/03/2024"},
        {"!99/99/0000;1;_", "", "__/__/____", ""},
        {"00-00;0;_", "1234", "12-34", "1234"},               // literals not stored
        {"00-00;0;*", "12", "12-**", "12"},                   // own blank character
        {">LL 000", "ab 123", "AB 123", "AB 123"},            // upper case
        {"000", "1x3", "1_3", "1 3"},                          // a refused character leaves a blank
        {"\\(000\\) 000", "(030) 123", "(030) 123", "(030) 123"},  // quoted literals
    };
    for (const auto& c : cases) {
        TEditMaskText m(c.mask);
        const std::u16string shown = m.Display(c.value);
        EXPECT_EQ(U8(shown), c.shown) << c.mask << " " << c.value;
        EXPECT_EQ(m.Value(shown), c.stored) << c.mask << " " << c.value;
    }
}

TEST(EditMask, TypingFillsPlacesAndSkipsLiterals) {
    TEditMaskText m("!99/99/0000;1;_");
    std::u16string t = m.Display("");
    int pos = 0;
    for (char16_t ch : std::u16string(u"1x5032")) m.Type(t, pos, ch);
    EXPECT_EQ(U8(t), "15/03/2___");
    EXPECT_EQ(pos, 7);
    EXPECT_FALSE(m.Complete(t));
    for (char16_t ch : std::u16string(u"024")) m.Type(t, pos, ch);
    EXPECT_TRUE(m.Complete(t));
    EXPECT_FALSE(m.Type(t, pos, u'9')) << "no place is left";
    EXPECT_EQ(m.PlaceBefore(3), 1) << "Backspace after a literal empties the place before it";
    m.Clear(t, 0, 3);
    EXPECT_EQ(U8(t), "__/03/2024");
}

}  // namespace
