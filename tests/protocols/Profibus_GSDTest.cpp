#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "protocols/Profibus_GSD.h"

namespace {

using proto::TProfibusParams;

std::vector<std::string> Lines_Of(const TProfibusParams& P) {
    std::ostringstream out;
    std::string error;
    EXPECT_TRUE(proto::Write_GSD(P, out, &error)) << error;
    const std::string text = out.str();
    std::vector<std::string> lines;
    size_t at = 0;
    while (at < text.size()) {
        const size_t end = text.find("\r\n", at);
        EXPECT_NE(end, std::string::npos) << "a line without CR LF at " << at;
        if (end == std::string::npos) break;
        lines.push_back(text.substr(at, end - at));
        at = end + 2;
    }
    return lines;
}

std::vector<std::string> Module_Lines(const std::vector<std::string>& Lines) {
    std::vector<std::string> modules;
    for (const std::string& l : Lines)
        if (l.rfind("Module=", 0) == 0) modules.push_back(l.substr(l.find("\" ") + 2));
    return modules;
}

std::string Keyword(const std::vector<std::string>& Lines, const std::string& Key) {
    for (const std::string& l : Lines)
        if (l.rfind(Key + "=", 0) == 0) return l.substr(Key.size() + 1);
    return "(missing)";
}

TEST(GsdModules, IdentifierBytesPerCount) {
    const struct {
        int out, in;
        std::vector<std::string> modules;
    } cases[] = {
        {64, 0, {"0x42,0x3F,0x00,0x01"}},
        {65, 0, {"0x42,0x3F,0x00,0x01", "0x42,0x00,0x00,0x02"}},
        {1, 1, {"0x42,0x00,0x00,0x01", "0x82,0x00,0x00,0x02"}},
        {100, 20, {"0x42,0x3F,0x00,0x01", "0x42,0x23,0x00,0x02", "0x82,0x13,0x00,0x03"}},
        {0, 0, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Module_Lines(Lines_Of({c.in, c.out})), c.modules) << c.out << " out, " << c.in << " in";
}

TEST(GsdModules, NegativeCountsGiveNoModulesAndZeroLengths) {
    const std::vector<std::string> lines = Lines_Of({-5, 10});
    EXPECT_EQ(Module_Lines(lines), std::vector<std::string>{"0x42,0x09,0x00,0x01"});
    EXPECT_EQ(Keyword(lines, "Max_Output_Len"), "0");
    EXPECT_EQ(Keyword(lines, "Max_Input_Len"), "10");
    EXPECT_EQ(Keyword(lines, "Max_Data_Len"), "10");
    EXPECT_EQ(Keyword(lines, "Max_Module"), "1");
}

TEST(GsdModules, ModuleTotalMustFitAByte) {
    // 128 + 127 modules of 64 bytes: the last number a byte holds.
    const std::vector<std::string> lines = Lines_Of({127 * 64, 128 * 64});
    EXPECT_EQ(Keyword(lines, "Max_Module"), "255");
    EXPECT_EQ(Module_Lines(lines).back(), "0x82,0x3F,0x00,0xFF");
    EXPECT_EQ(lines[lines.size() - 6], "Slot(255) = \"Slot 255\" 255 255");

    std::ostringstream out;
    std::string error;
    EXPECT_FALSE(proto::Write_GSD({128 * 64, 128 * 64}, out, &error));
    EXPECT_TRUE(out.str().empty());
    EXPECT_NE(error.find("256 modules"), std::string::npos) << error;
}

TEST(GsdText, HeaderBoxAndHeadingsHaveTheirWidths) {
    for (const std::string& l : Lines_Of({20, 100})) {
        if (l.rfind(";*", 0) == 0 && l != ";") EXPECT_EQ(l.size(), 85u) << l;
        if (l.rfind(";==", 0) == 0) EXPECT_TRUE(l.size() == 79u || l.size() == 85u || l.size() == 86u) << l;
        if (l.find("Ext-User-Prm-Data-Def-List") != std::string::npos || l.find("General DP Keywords") != std::string::npos)
            EXPECT_EQ(l.size(), 86u) << l;
        if (l.find("Prm-Text-Def-List") != std::string::npos) EXPECT_EQ(l.size(), 85u) << l;
        if (l.find("Modulstatus") != std::string::npos) EXPECT_EQ(l.size(), 79u) << l;
    }
}

TEST(GsdFileName, GsdAppendedUnlessTheNameEndsWithIt) {
    const struct {
        const char* chosen;
        const char* saved;
    } cases[] = {{"Gateway", "Gateway.gsd"},       {"gw.GSD", "gw.GSD"},         {"A.gsd.txt", "A.gsd.txt.gsd"},
                 {"A.gsd.gsd", "A.gsd.gsd"},       {"/out/x.Gsd", "/out/x.Gsd"}, {"gsd", "gsd.gsd"}};
    for (const auto& c : cases) EXPECT_EQ(proto::With_Gsd_Extension(c.chosen), c.saved) << c.chosen;
}

}  // namespace
