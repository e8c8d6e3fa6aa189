#pragma once
// Asking the web site whether a newer configurator exists, and the web
// addresses the windows link to. The site is ours to choose: its address
// comes from VASTRIMO_WEB_HOST when set (the tests point it at a local
// server), otherwise from a placeholder of our own.

#include <string>
#include <vector>

namespace shell {

// The version this configurator reports about itself.
inline constexpr const char* Own_Version = "1.000";
inline constexpr const char* Document_Code = "LM4A902";

inline constexpr const char* Web_Host_Variable = "VASTRIMO_WEB_HOST";
inline constexpr const char* Default_Web_Host = "http://vastrimo.example";

// The first check comes a minute after start-up, every further one two hours
// after the previous one ended.
inline constexpr int Version_First_Interval_Ms = 60000;
inline constexpr int Version_Repeat_Interval_Ms = 7200000;
// The request blocks the windows while it runs, so it may not wait for ever.
inline constexpr int Version_Request_Timeout_Ms = 10000;

// Scheme and host (and port), without a trailing "/".
std::string Web_Host();
// The address shown to the user for the web site (host without the scheme).
std::string Web_Address_Text();
std::string Home_Page_Url();
std::string Download_Page_Url();
std::string Version_Request_Url();
// The request headers, in the order they are sent.
std::vector<std::string> Version_Request_Headers();

// The version number of a text "VER. d.ddd" (or "d.ddd"): the digits joined
// as an integer (1.234 -> 1234); -1 when they are no integer or the text is
// shorter than five characters.
int Conv_Version(const std::string& text);
// The reply rules: true when the reply names a version newer than ours.
bool Is_Newer_Version_Reply(const std::string& body);

// What the site said: a newer version, none, or nothing usable (no reply,
// an HTTP error status), in which case nothing is known about a newer one.
enum class TVersionAnswer { Newer, NotNewer, Failed };
TVersionAnswer Ask_Version();
// Asks the site: true only for a newer version. The timed check at start-up
// stays silent on failure; the user's own check says it (Ask_Version).
bool Check_Version();

// The update timer runs exactly when both internet options are on.
bool Version_Timer_Wanted(bool enableInternet, bool enableUpdate);

// An HTML anchor for a link label.
std::string Link_Caption(const std::string& url, const std::string& text);

}  // namespace shell
