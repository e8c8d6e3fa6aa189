#pragma once
// "Definition the list of Known Certificates" (unit UTLS_Server_Known_Cert):
// up to ten TLS server certificates the gateway trusts, each with an Enable
// box and a description. Stored in "TLS_Known_Cert.xml", rows directly
// under the root, the certificate text with its line breaks.

#include <string_view>
#include <vector>

#include "protocols/AccessTableForm.h"

namespace proto {

// Real column indexes of the certificate table.
namespace tls_cert {
inline constexpr int Enable = 1, Certificate = 2, Mnemonic = 3;
}

extern const TAccessMember TLS_Known_Cert_Member;

// A certificate as the gateway reads it: one PEM block, "-----BEGIN L-----"
// to "-----END L-----" with the same label, blanks and line breaks around.
bool Is_PEM_Block(std::string_view Text);

// The first row to be saved whose certificate is no PEM block, 0 when none.
int First_Row_Without_PEM(const std::vector<TTable>& Tables);

class TFTLS_Server_Known_Cert : public TAccessTableForm {
public:
    explicit TFTLS_Server_Known_Cert(plat::TComponent* AOwner);
    ~TFTLS_Server_Known_Cert() override;

    plat::TPendingRef<grid::TExtColumnGrid> ESG{this};

    // The list is user data and OK never refuses it; a text that is no
    // certificate is named, and saved only when the user says so.
    bool Controllo_dati() override;

protected:
    void Bind_Contents() override;
};

extern TFTLS_Server_Known_Cert* FTLS_Server_Known_Cert;

}  // namespace proto
