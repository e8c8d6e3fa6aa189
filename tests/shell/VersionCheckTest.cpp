#include "shell/VersionCheck.h"

#include <gtest/gtest.h>

#include <string>

#include "shell/VersionServer.h"

namespace {

TEST(VersionCheck, ConvVersionReadsTheDigitsAroundThePoint) {
    const struct {
        const char* text;
        int value;
    } cases[] = {
        {"VER. 1.234", 1234},
        {"1.000", 1000},
        {"VER.  2.001 ", 2001},
        {"VER. 0.000", 0},
        {"VER. 1.2", -1},
        {"VER. x.yzw", -1},
        {"", -1},
        {"VER. 1.23a", -1},
        // Only the fourth to sixth characters after the first one are read:
        // a longer version is cut, which is why versions keep the d.ddd form.
        {"VER. 1.2345", 1234},
    };
    for (const auto& c : cases) EXPECT_EQ(shell::Conv_Version(c.text), c.value) << c.text;
}

TEST(VersionCheck, ReplyRules) {
    const struct {
        const char* body;
        bool newer;
    } cases[] = {
        {"VER. 1.001", true},  {"  ver. 1.001\r\n", true}, {"VER. 2.000", true},  {"VER. 1.000", false},
        {"VER. 0.999", false}, {"VER. 0.000", false},      {"ver. 0.000", false}, {"", false},
        {"   \r\n", false},    {"Not found", false},       {"VER. 1.0", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(shell::Is_Newer_Version_Reply(c.body), c.newer) << "'" << c.body << "'";
}

TEST(VersionCheck, SendsTheVersionRequestAndReadsTheReply) {
    shelltest::VersionServer server;
    shelltest::WebHostOverride host(server.Host());
    server.ReplyBody("VER. 1.001");
    EXPECT_TRUE(shell::Check_Version());

    const std::vector<std::string> requests = server.Requests();
    ASSERT_EQ(requests.size(), 1u);
    const std::string& r = requests[0];
    EXPECT_EQ(r.rfind("GET /home/download/GetversionSW.asp?nomesw=QP4A902 HTTP/1.0\r\n", 0), 0u) << r;
    EXPECT_NE(r.find("\r\nAccept: text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8\r\n"),
              std::string::npos)
        << r;
    EXPECT_NE(r.find("\r\nUser-Agent: VastrimoFirmWare/1.000\r\n"), std::string::npos) << r;
    EXPECT_EQ(r.find("Cookie"), std::string::npos) << r;
}

// Whatever goes wrong on the way, the answer is "no newer version" and
// nothing reaches the user.
TEST(VersionCheck, TransferErrorsCountAsNoNewerVersion) {
    {
        shelltest::VersionServer server;
        shelltest::WebHostOverride host(server.Host());
        server.Reply("HTTP/1.0 404 Not Found\r\nContent-Length: 10\r\n\r\nVER. 9.999");
        EXPECT_FALSE(shell::Check_Version());
        server.Reply("HTTP/1.0 500 Internal Server Error\r\nContent-Length: 10\r\n\r\nVER. 9.999");
        EXPECT_FALSE(shell::Check_Version());
        server.Reply("garbage");
        EXPECT_FALSE(shell::Check_Version());
    }
    // Nobody listens on the port once the server is gone.
    std::string closedHost;
    {
        shelltest::VersionServer gone;
        closedHost = gone.Host();
    }
    shelltest::WebHostOverride host(closedHost);
    EXPECT_FALSE(shell::Check_Version());
}

TEST(VersionCheck, AddressesFollowTheConfiguredHost) {
    {
        shelltest::WebHostOverride host("http://127.0.0.1:8080/");
        EXPECT_EQ(shell::Web_Host(), "http://127.0.0.1:8080");
        EXPECT_EQ(shell::Version_Request_Url(),
                  "http://127.0.0.1:8080/home/download/GetversionSW.asp?nomesw=QP4A902");
        EXPECT_EQ(shell::Download_Page_Url(), "http://127.0.0.1:8080/Home/download/download.asp#KV4C840");
        EXPECT_EQ(shell::Home_Page_Url(), "http://127.0.0.1:8080/HOME/default.asp?frompg=QP4A902");
        EXPECT_EQ(shell::Web_Address_Text(), "127.0.0.1:8080");
    }
    shelltest::WebHostOverride none("");
    EXPECT_EQ(shell::Web_Host(), shell::Default_Web_Host);
}

TEST(VersionCheck, TimerRunsOnlyWithBothSwitches) {
    EXPECT_TRUE(shell::Version_Timer_Wanted(true, true));
    EXPECT_FALSE(shell::Version_Timer_Wanted(true, false));
    EXPECT_FALSE(shell::Version_Timer_Wanted(false, true));
    EXPECT_FALSE(shell::Version_Timer_Wanted(false, false));
}

}  // namespace
