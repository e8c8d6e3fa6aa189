#pragma once
// A member's data check as a table of cases: rows typed into the reset
// tables, and the message the user then reads ("" when the check passes).

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "protocols/AccessTableForm.h"
#include "shell/Language.h"

namespace prototest {

using proto::TTable;
using proto::TTableRow;

// The member's tables as the window resets them, with the given rows typed
// into rows 1 .. of each table (cells from column 1 on).
inline std::vector<TTable> Tables(const proto::TAccessMember& Member,
                                  const std::vector<std::vector<TTableRow>>& Rows) {
    std::vector<TTable> tables = proto::Reset_Tables(Member.File);
    for (size_t t = 0; t < Rows.size(); ++t)
        for (size_t r = 0; r < Rows[t].size(); ++r)
            for (size_t c = 0; c < Rows[t][r].size(); ++c) tables[t][r][c + 1] = Rows[t][r][c];
    return tables;
}

struct TCase {
    const char* name;
    std::vector<std::vector<TTableRow>> rows;
    const char* message;  // "" when the check passes
};

using TCheckFn = proto::TCheckOutcome (*)(const std::vector<TTable>&);

inline void Expect_Messages(const proto::TAccessMember& Member, TCheckFn Check, const std::vector<TCase>& Cases) {
    shell::Load_Default_Texts();
    for (const TCase& c : Cases) {
        const proto::TCheckOutcome outcome = Check(Tables(Member, c.rows));
        EXPECT_EQ(proto::Check_Message(Member.Texts.Error_Row, outcome), c.message) << c.name;
    }
}

}  // namespace prototest
