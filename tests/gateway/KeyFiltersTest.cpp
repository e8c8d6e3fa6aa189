#include "gateway/KeyFilters.h"

#include <gtest/gtest.h>

namespace {

using gw::TKeyAnswer;

TEST(HexKeyPress, PassesHexDigitsAsCapitalsAndEditingKeys) {
    const struct {
        char32_t key;
        TKeyAnswer want;
    } cases[] = {
        {U'0', {true, U'0'}},       {U'9', {true, U'9'}},
        {U'A', {true, U'A'}},       {U'F', {true, U'F'}},
        {U'a', {true, U'A'}},       {U'f', {true, U'F'}},
        {U'g', {false, U'g'}},      {U'G', {false, U'G'}},
        {U'.', {false, U'.'}},      {U'/', {false, U'/'}},
        {U':', {false, U':'}},      {U'@', {false, U'@'}},
        {U'`', {false, U'`'}},      {U'\u00e9', {false, U'\u00e9'}},
        {U'\b', {true, U'\b'}},     {U' ', {true, U' '}},
        {U'\x16', {true, U'\x16'}},
    };
    for (const auto& c : cases) EXPECT_EQ(gw::HexKeyPress(c.key), c.want) << static_cast<unsigned>(c.key);
}

TEST(OctetKeyPress, DotMovesAlongTheChainAndIsDropped) {
    using namespace gw;
    const struct {
        TOctetEdit edit;
        TOctetEdit next;
    } cases[] = {
        {Octet_Pri_DNS1, Octet_Pri_DNS2}, {Octet_Pri_DNS4, Octet_Sec_DNS1}, {Octet_Sec_DNS3, Octet_Sec_DNS4},
        {Octet_Sec_DNS4, Octet_None},     {Octet_EIP_IP1, Octet_EIP_IP2},   {Octet_EIP_IP4, Octet_EIP_SM1},
        {Octet_EIP_SM4, Octet_EIP_GAT1},  {Octet_EIP_GAT3, Octet_EIP_GAT4}, {Octet_EIP_GAT4, Octet_None},
    };
    for (const auto& c : cases) {
        const TOctetKeyAnswer a = OctetKeyPress(c.edit, U'.');
        EXPECT_FALSE(a.key.accepted) << c.edit;
        EXPECT_EQ(a.focusTo, c.next) << c.edit;
    }
}

TEST(OctetKeyPress, OtherKeysPassUnchangedAndKeepTheFocus) {
    using namespace gw;
    for (char32_t key : {U'1', U'x', U'-', U'\b', U','}) {
        EXPECT_EQ(OctetKeyPress(Octet_Pri_DNS1, key), (TOctetKeyAnswer{{true, key}, Octet_None}));
        EXPECT_EQ(OctetKeyPress(Octet_EIP_GAT4, key), (TOctetKeyAnswer{{true, key}, Octet_None}));
    }
}

TEST(IpEditKeyPress, DotMovesToTheNextAddressEdit) {
    const struct {
        int edit;
        char32_t key;
        gw::TIpKeyAnswer want;
    } cases[] = {
        {1, U'.', {{false, U'.'}, 2}},
        {2, U'.', {{false, U'.'}, 3}},
        {3, U'.', {{false, U'.'}, 4}},
        {4, U'.', {{false, U'.'}, 0}},
        // The address edits filter nothing else: a typo reaches the echo
        // check, which reports the address as wrong.
        {1, U'7', {{true, U'7'}, 0}},
        {4, U'x', {{true, U'x'}, 0}},
    };
    for (const auto& c : cases) EXPECT_EQ(gw::IpEditKeyPress(c.edit, c.key), c.want) << c.edit;
}

}  // namespace
