#pragma once
// Edit masks of the edits (the drop-downs and the grid's editors): a mask such as "!99/99/0000;1;_" says
// which character each place of the text takes (0 a digit, 9 a digit or
// nothing, L a letter, A a letter or digit, C any character; l, a, c the
// optional forms; # a digit or sign), which places are fixed literals (a
// backslash quotes one), whether the stored value keeps the literals (the second
// field, 0 drops them) and which character shows an empty place (the
// third field, "_" by default). > and < turn the following letters to
// upper and lower case, <> ends that.

#include <string>
#include <vector>

#include "platform/StdCtrls.h"

namespace ctl {

class TEditMaskText {
public:
    explicit TEditMaskText(const std::string& Mask);
    bool Empty() const { return FPlaces.empty(); }
    // The text shown for a stored value: literals in place, the value's
    // characters in the places that take them, empty places blank.
    std::u16string Display(const std::string& Value) const;
    // Types Ch at place Pos (skipping literals): false, and nothing
    // changed, when the place does not take it; Pos then stands after it
    // and after the literals that follow.
    bool Type(std::u16string& Text, int& Pos, char16_t Ch) const;
    // Empties the places from Start for Length places (literals stay).
    void Clear(std::u16string& Text, int Start, int Length) const;
    // The place Backspace at Pos empties, or -1 at the start.
    int PlaceBefore(int Pos) const;
    // The stored value of a shown text; an all-empty text stores "".
    std::string Value(const std::u16string& Text) const;
    // Every required place is filled.
    bool Complete(const std::u16string& Text) const;
    int Size() const { return static_cast<int>(FPlaces.size()); }
    char16_t Blank() const { return FBlank; }

private:
    enum TCase { caNone, caUpper, caLower };
    struct TPlace {
        char16_t Kind = 0;  // 0 for a literal
        char16_t Literal = 0;
        TCase Case = caNone;
    };
    bool Takes(const TPlace& P, char16_t& Ch) const;
    std::vector<TPlace> FPlaces;
    bool FSaveLiterals = true;
    char16_t FBlank = u'_';
};

// Typing into an edit under a mask: a character goes to the next place
// that takes it (true when the key was the mask's to handle, taken or
// not); Backspace and Delete empty places instead of removing them.
bool MaskTypeChar(plat::TEdit& Edit, const TEditMaskText& Mask, char32_t Key);
bool MaskEraseKey(plat::TEdit& Edit, const TEditMaskText& Mask, unsigned short Key);

}  // namespace ctl
