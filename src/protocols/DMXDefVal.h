#pragma once
// "DMX Default Value": the value (0 to 255) and description of every DMX
// channel of the gateway, one row per channel. The number of channels comes
// from the gateway parameters ("ParGen.xml", DMX_Num_Channels).

#include <string>
#include <vector>

#include "protocols/AccessTableForm.h"

namespace proto {

// A DMX512 universe.
inline constexpr int DMX_Max_Channels = 512;

extern const TAccessMember DMX_Member;

// The channels the parameter file asks for: 512 without the file, the key
// or a number; a number outside the universe is brought into 0 .. 512. A
// file that cannot be read gives 512 and the reason in Error.
int Read_DMX_Num_Channels(const std::string& ParGen_Path, std::string* Error = nullptr);

// Every row's Default Value 0 to 255.
TCheckOutcome Check_DMX(const std::vector<TTable>& Tables);

class TFDMXDefVal : public TMemberForm<DMX_Member, Check_DMX> {
public:
    using TMemberForm::TMemberForm;
    ~TFDMXDefVal() override;

    // The channels of the last showing.
    int Channels() const { return FChannels; }

protected:
    void Show_Prepare() override;
    int Shown_Rows(int Table) const override;
    // The file may hold rows for a whole universe while the gateway has
    // fewer channels: the first ones are shown without a word, and OK asks
    // before saving only when a row left out holds something of its own.
    int Read_Rows(int Table) const override;
    void After_Load(std::vector<TTable>& Tables, const TLoadReport& Report) override;
    bool Confirm_Save(const std::vector<TTable>& Tables) override;

private:
    int FChannels = DMX_Max_Channels;
    bool FLeft_Out_Values = false;  // a row past the channels holds a value or a description
};

extern TFDMXDefVal* FDMXDefVal;

}  // namespace proto
