#include "shell/VersionCheck.h"

#include <cstdlib>

#include "base/StrUtils.h"
#include "platform/Http.h"
#include "shell/Comon.h"
#include "shell/Language.h"

namespace shell {

std::string Web_Host() {
    const char* overridden = std::getenv(Web_Host_Variable);
    std::string host = overridden != nullptr && *overridden != '\0' ? overridden : Default_Web_Host;
    while (!host.empty() && host.back() == '/') host.pop_back();
    return host;
}

std::string Web_Address_Text() {
    const std::string host = Web_Host();
    const size_t scheme = host.find("://");
    return scheme == std::string::npos ? host : host.substr(scheme + 3);
}

std::string Home_Page_Url() {
    return Web_Host() + "/HOME/default.asp?frompg=" + Const_SW_Code;
}

std::string Download_Page_Url() {
    return Web_Host() + "/Home/download/download.asp#KV4C840";
}

std::string Version_Request_Url() {
    return Web_Host() + "/home/download/GetversionSW.asp?nomesw=" + Const_Check_SW_Code;
}

std::vector<std::string> Version_Request_Headers() {
    return {"Accept: text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8",
            std::string("User-Agent: VastrimoFirmWare/") + Own_Version};
}

int Conv_Version(const std::string& text) {
    const size_t blank = text.find(' ');
    const std::string v = base::Trim(blank == std::string::npos ? text : text.substr(blank + 1));
    if (v.size() < 5) return -1;
    const std::string digits = {v[0], v[2], v[3], v[4]};
    int value = 0;
    return base::TryStrToInt(digits, value) ? value : -1;
}

bool Is_Newer_Version_Reply(const std::string& body) {
    const std::string reply = base::Trim(body);
    const std::string upper = base::UpperCase(reply);
    if (upper.empty() || upper == "VER. 0.000") return false;
    const int own = Conv_Version(Own_Version);
    const int remote = Conv_Version(reply);
    return own != -1 && remote != -1 && own < remote;
}

TVersionAnswer Ask_Version() {
    const plat::THttpResult reply =
        plat::HttpGet(Version_Request_Url(), Version_Request_Headers(), Version_Request_Timeout_Ms);
    if (!reply.ok || reply.status < 200 || reply.status > 299) return TVersionAnswer::Failed;
    return Is_Newer_Version_Reply(reply.body) ? TVersionAnswer::Newer : TVersionAnswer::NotNewer;
}

bool Check_Version() {
    // The timed check does not bother the user about a site that cannot be
    // reached.
    return Ask_Version() == TVersionAnswer::Newer;
}

bool Version_Timer_Wanted(bool enableInternet, bool enableUpdate) {
    return enableInternet && enableUpdate;
}

std::string Link_Caption(const std::string& url, const std::string& text) {
    return "<a href=\"" + url + "\">" + text + "</a>";
}

}  // namespace shell
