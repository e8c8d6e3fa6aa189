#pragma once
// Filter expressions a grid's row filter tests cell texts against: wildcard
// patterns ("A*", "?B", "!A*"), comparisons (">=10", "<01/02/2024") and
// their combinations with "&" (and), "|", ";" or "^" (or) and parentheses.
// Operators combine strictly from left to right, without precedence, as
// users of the filter have always typed them.

#include <string>
#include <string_view>

#include "base/DateTime.h"

namespace ctl {

bool MatchFilterExpression(std::string_view expression, std::string_view text, bool caseSensitive);
// One operand (no "&", "|", ";", "^" outside quotes): upper-cases both
// sides first unless caseSensitive.
bool MatchFilterOperand(std::string_view operand, std::string_view text, bool caseSensitive);
// One condition against one value, both as given.
bool MatchFilterCondition(std::string_view condition, std::string_view value);
// A date in the regional field order with an optional time after a blank.
// False for anything that is no date; also false for a date followed by a
// time text without a time separator, though value then holds the date.
bool ParseLocaleDateTime(std::string_view text, base::TDateTime& value);

}  // namespace ctl
