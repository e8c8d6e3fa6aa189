#pragma once
// The BACnet engineering units (numbers 0 to 236) with the names this program
// shows for them, and the categories the unit picker groups them in.

#include <string>
#include <vector>

namespace proto {

// The unit's name; "unknown" for 207, which has none, and for any number
// outside 0..236 (-1 stands for a text that is no number).
std::string Desc_Unit(int Num_Unit);

// Desc_Unit of a cell's text, read as a number.
std::string Desc_Unit_Text(const std::string& text);

struct TEngUnitCategory {
    const char* Name;
    std::vector<const char*> Units;  // the picker's texts, in list order
};
// The 23 categories in the picker's order; every unit number occurs once.
const std::vector<TEngUnitCategory>& Eng_Unit_Categories();

// The number the picker gives a category's unit: the unit whose name is the
// text, save four texts that differ from their names ("ohms-meters" 172,
// "megajoules-per-square-meter" 139, "megajoules-per-square-foot" 140,
// "per-mille" 207). An index outside the lists gives 0.
int Eng_Unit_Number(int Category, int Unit);

}  // namespace proto
