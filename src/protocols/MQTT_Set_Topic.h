#pragma once
// "Set MQTT Topics" (unit UMQTT_Set_Topic): the topics the gateway publishes
// from its input data array and those it subscribes to into its output data
// array, each with a data type, a size, a position and a payload template.
// Stored in "MQTT_Set_Topic.xml" under the sections MQTT_Publish and
// MQTT_Subscribe.

#include <string_view>
#include <vector>

#include "protocols/AccessTableForm.h"

namespace proto {

// The gateway's data arrays as the topics see them, in bytes.
inline constexpr int MQTT_Data_Bytes = 1500;

// Real column indexes of the publish table.
namespace mqtt_pub {
inline constexpr int Topic = 1, Retained = 2, QoS = 3, Data_Type = 4, Dimension = 5, Position = 6, IP_Address = 7,
                     Input_Template = 8, Template = 9, On_Change = 10, On_CMD = 11, On_Timer = 12, Time = 13,
                     Channel = 14, Swap = 15, Swap_Word = 16, Mnemonic = 17;
}
// Real column indexes of the subscribe table.
namespace mqtt_sub {
inline constexpr int Topic = 1, Retained = 2, QoS = 3, Data_Type = 4, Dimension = 5, Position = 6, IP_Address = 7,
                     Port = 8, Eth_Type = 9, Input_Template = 10, Template = 11, Swap = 12, Swap_Word = 13,
                     Mnemonic = 14;
}

extern const TAccessMember MQTT_Set_Topic_Member;

// Which real columns of each table are shown: Shown[t][c].
using TShownColumns = std::vector<std::vector<bool>>;
// The columns shown in working mode 1, the one the window sets.
TShownColumns MQTT_Shown_Columns();

// True when the text is no well-formed template: its "$" signs do not pair.
bool Error_In_Topic_Template(std::string_view Text);

// Publish table first, then subscribe; a check whose column is hidden does
// not run.
TCheckOutcome Check_MQTT_Topics(const std::vector<TTable>& Tables, const TShownColumns& Shown,
                                int Byte_IN = MQTT_Data_Bytes, int Byte_OUT = MQTT_Data_Bytes);

class TFMQTT_Set_Topic : public TAccessTableForm {
public:
    explicit TFMQTT_Set_Topic(plat::TComponent* AOwner);
    ~TFMQTT_Set_Topic() override;

    int Byte_IN = MQTT_Data_Bytes;
    int Byte_OUT = MQTT_Data_Bytes;
    int Working_Mode = 1;

    plat::TPendingRef<grid::TExtColumnGrid> ACG_Pub{this};
    plat::TPendingRef<grid::TExtColumnGrid> ACG_Sub{this};

    // Runs the template editor on one cell (real column) and writes its text
    // back on OK.
    void Show_Form_Topic(grid::TExtColumnGrid& Grid, int Row, int Col);

protected:
    void Bind_Contents() override;
    void Show_Prepare() override;
    TCheckOutcome Check_Tables(const std::vector<TTable>& Tables) override;

private:
    void ACG_MQTT_DblClickCell(grid::TExtColumnGrid& Grid, int ARow, int ACol);
};

extern TFMQTT_Set_Topic* FMQTT_Set_Topic;

}  // namespace proto
