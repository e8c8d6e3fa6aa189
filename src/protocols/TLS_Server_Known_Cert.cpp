#include "protocols/TLS_Server_Known_Cert.h"

#include "base/StrUtils.h"
#include "platform/Dialogs.h"
#include "shell/Comon.h"
#include "shell/Language.h"

namespace proto {

using shell::Lang_Texts;

TFTLS_Server_Known_Cert* FTLS_Server_Known_Cert = nullptr;

namespace {

const TTableDescription Certificate_Table = {
    .Grid = "ESG",
    .Columns = {Row_Number_Column(3414, 40),
                Enable_Column(3415, 3418, 50),
                Text_Column(3416, "Certificate", 500, cgAddress, 3419, false),
                Text_Column(3417, "Mnemonic", 160, cgMnemonic, 3420, false)},
    .Key_Column = tls_cert::Certificate,
    .Rows = 10,
    .Events = teClickCell | teDblClickCell | teKeyPress | teGridHint,
    .Show_Hint = true,
    .Clear_Other_Hints = true,
    .Cell_Check_Boxes = true,
    .Row_Height = 60};

constexpr int Text_Not_PEM = 3422;
constexpr int Text_Not_PEM_After = 3423;

// The label of a "-----BEGIN L-----" or "-----END L-----" line at Text's
// start; empty when the line is no such marker.
std::string_view Marker_Label(std::string_view Text, std::string_view Kind) {
    const std::string lead = "-----" + std::string(Kind) + " ";
    if (Text.substr(0, lead.size()) != lead) return {};
    Text.remove_prefix(lead.size());
    const size_t end = Text.find("-----");
    if (end == std::string_view::npos || end == 0) return {};
    const std::string_view label = Text.substr(0, end);
    return label.find_first_of("\r\n") == std::string_view::npos ? label : std::string_view{};
}

}  // namespace

const TAccessMember TLS_Known_Cert_Member = {
    .Class_Name = "TFTLS_Server_Known_Cert",
    .Client_Width = 800,
    .Client_Height = 337,
    .Texts = {.Caption = 3400,
              .Desc = 3401,
              .Buttons = {3402, 3403, 3404, 3405, 3406, 3407},
              .Button_Hints = {3408, 3409, 3410, 3411, 3412, 3413},
              .Delete_Question = 3421,
              .Replace_Partial_File = 3424,
              .Rows_After_End = 3425},
    .File = {.Root = "TLS_Server_Known_Cert", .Tables = {Certificate_Table}},
    .File_Path = &shell::TLS_Known_Cert_File,
    .Page_Control = nullptr};

bool Is_PEM_Block(std::string_view Text) {
    const std::string text = base::Trim(std::string(Text));
    const std::string_view all = text;
    const std::string_view label = Marker_Label(all, "BEGIN");
    if (label.empty()) return false;
    const std::string end = "-----END " + std::string(label) + "-----";
    if (all.size() < end.size() || all.substr(all.size() - end.size()) != end) return false;
    const size_t begin_length = std::string_view("-----BEGIN ").size() + label.size() + 5;
    // The body stands between the two marker lines.
    return all.size() > begin_length + end.size() &&
           base::Trim(std::string(all.substr(begin_length, all.size() - end.size() - begin_length))).size() > 0;
}

int First_Row_Without_PEM(const std::vector<TTable>& Tables) {
    const TTable& rows = Tables[0];
    const int used = Used_Rows(Certificate_Table, rows);
    for (int r = 0; r < used; ++r)
        if (!Is_PEM_Block(rows[static_cast<size_t>(r)][tls_cert::Certificate])) return r + 1;
    return 0;
}

TFTLS_Server_Known_Cert::TFTLS_Server_Known_Cert(plat::TComponent* AOwner)
    : TAccessTableForm(AOwner, TLS_Known_Cert_Member) {}

void TFTLS_Server_Known_Cert::Bind_Contents() {
    ESG = Grids[0];
}

TFTLS_Server_Known_Cert::~TFTLS_Server_Known_Cert() {
    if (FTLS_Server_Known_Cert == this) FTLS_Server_Known_Cert = nullptr;
}

bool TFTLS_Server_Known_Cert::Controllo_dati() {
    const int row = First_Row_Without_PEM(Grid_Tables());
    if (row == 0) return true;
    return plat::MessageDlg(Lang_Texts[Text_Not_PEM] + std::to_string(row) + Lang_Texts[Text_Not_PEM_After],
                            plat::mtWarning, plat::mbYesNo) == plat::mrYes;
}

}  // namespace proto
