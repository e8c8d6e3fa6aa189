#pragma once
// What the edits of the gateway windows do with a typed character, decided
// without a window: the window passes the key in and applies the answer
// (drop it, insert the possibly replaced character, move the focus on).

#include <functional>
#include <string>
#include <vector>

namespace gw {

struct TKeyAnswer {
    bool accepted = true;  // false: the key is dropped
    char32_t key = 0;      // the character to insert when accepted
    bool operator==(const TKeyAnswer&) const = default;
};

// The hexadecimal edits (identifiers and keys): 0-9 and A-F pass, a-f pass as
// capitals; control characters and the blank pass so that editing keys work;
// every other character is dropped.
TKeyAnswer HexKeyPress(char32_t key);

// The address-octet edits of the parameter window, chained in the order the
// user fills them. Octet_None ends a chain.
enum TOctetEdit {
    Octet_None = -1,
    Octet_Pri_DNS1,
    Octet_Pri_DNS2,
    Octet_Pri_DNS3,
    Octet_Pri_DNS4,
    Octet_Sec_DNS1,
    Octet_Sec_DNS2,
    Octet_Sec_DNS3,
    Octet_Sec_DNS4,
    Octet_EIP_IP1,
    Octet_EIP_IP2,
    Octet_EIP_IP3,
    Octet_EIP_IP4,
    Octet_EIP_SM1,
    Octet_EIP_SM2,
    Octet_EIP_SM3,
    Octet_EIP_SM4,
    Octet_EIP_GAT1,
    Octet_EIP_GAT2,
    Octet_EIP_GAT3,
    Octet_EIP_GAT4,
};

struct TOctetKeyAnswer {
    TKeyAnswer key;
    TOctetEdit focusTo = Octet_None;  // the edit to focus, if it can take it
    bool operator==(const TOctetKeyAnswer&) const = default;
};

// "." never goes into an octet: it moves to the next octet of the chain
// (primary DNS into secondary DNS; address into subnet mask into gateway).
// Other keys pass unchanged: the data check judges the numbers.
TOctetKeyAnswer OctetKeyPress(TOctetEdit edit, char32_t key);

// The four address edits of the update dialog (index 1 to 4): "." moves on
// to the next one and is dropped, also in the fourth; nothing else is
// filtered. focusTo is 0 when the focus stays.
struct TIpKeyAnswer {
    TKeyAnswer key;
    int focusTo = 0;
    bool operator==(const TIpKeyAnswer&) const = default;
};
TIpKeyAnswer IpEditKeyPress(int edit, char32_t key);

// A pasted text goes in as if it were typed, or not at all: nothing of it
// is dropped or cut without a word. The edit the text is pasted into comes
// first, with its selection; the edits a chain moves on to follow, each
// typed over as a whole.
struct TPasteEdit {
    std::string text;
    int selStart = 0;   // in characters
    int selLength = 0;
    int maxLength = 0;  // 0: no limit
};
struct TPastePlan {
    bool accepted = false;
    std::vector<std::string> texts;  // the new text of each edit the paste reaches
    int caret = 0;                   // in the last of them, after the text put there
};
// keyOf is the edit's key rule; moveOn the character that moves on to the
// next edit (0: none). A single trailing line end is dropped; the paste is
// refused when it holds any other control character, a character the rule
// drops, more parts than there are edits, or a text beyond an edit's limit.
TPastePlan PlanPaste(const std::string& pasted, const std::vector<TPasteEdit>& edits,
                     const std::function<TKeyAnswer(char32_t)>& keyOf, char32_t moveOn);

}  // namespace gw
