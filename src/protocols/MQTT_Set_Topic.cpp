#include "protocols/MQTT_Set_Topic.h"

#include <algorithm>

#include "base/StrUtils.h"
#include "protocols/TopicTemplate.h"
#include "shell/Comon.h"
#include "shell/RowHelpers.h"
#include "shell/ValueHelpers.h"

namespace proto {

using grid::TExtColumnGrid;

TFMQTT_Set_Topic* FMQTT_Set_Topic = nullptr;

namespace {

const std::vector<std::string> QoS_Items = {"0", "1", "2"};
const std::vector<std::string> Data_Types = {"Int", "Float", "String", "Base64"};

std::vector<std::string> Channel_Items() {
    std::vector<std::string> items;
    for (int i = 0; i < 64; ++i) items.push_back(std::to_string(i));
    items.push_back("All");
    return items;
}

// The columns that exist for other working modes: kept hidden here, stored
// where they have an attribute, never checked while hidden.
TTableColumn Hide(TTableColumn Column) {
    Column.Hidden = true;
    return Column;
}

// Not stored: every loaded row gets Default.
TTableColumn Unstored(TTableColumn Column, std::string Default) {
    Column.Attribute = nullptr;
    Column.Default = std::move(Default);
    Column.Hidden = true;
    return Column;
}

TTableColumn Template_Column(int Header, int Hint) {
    return {.Header = Header, .Attribute = "Template", .Editor = grid::edComboEdit, .Items = {"$VALUE$"},
            .Width = 200, .Group = cgTopic, .Required = false, .Hint = Hint};
}

// Both pages begin with the row number, Topic, Retained and QoS (hints five
// texts after their headers), then Data Type, Dimension and Position, and
// end with the Mnemonic; Between is what stands between them.
TTableDescription Topic_Table(const char* Grid, const char* Page, int Page_Caption, const char* Section,
                              int Header, bool Retained_Shown, int Type_Header, int Type_Hint,
                              const std::vector<TTableColumn>& Between) {
    std::vector<TTableColumn> columns = {
        Row_Number_Column(Header, 35),
        Text_Column(Header + 1, "Topic", 220, cgAddress, Header + 5),
        Check_Column(Header + 2, "Retained", 60, cgAddress, Header + 6, true),
        List_Column(Header + 3, "QoS", QoS_Items, 40, cgAddress, Header + 7),
        List_Column(Type_Header, "DataType", Data_Types, 75, cgPosition, Type_Hint, false),
        Text_Column(Type_Header + 1, "Dimension", 70, cgPosition, Type_Hint + 1, false),
        Text_Column(Type_Header + 2, "Position", 60, cgPosition, Type_Hint + 2, false)};
    columns[2].Hidden = !Retained_Shown;
    columns.insert(columns.end(), Between.begin(), Between.end());
    columns.push_back(Text_Column(Header + 4, "Mnemonic", 160, cgMnemonic, Header + 8));
    return {.Grid = Grid,
            .Page = Page,
            .Page_Caption = Page_Caption,
            .Section = Section,
            .Columns = std::move(columns),
            .Key_Column = 1,
            .Enable_Column = -1,
            .Rows = 1024,
            .Events = teDblClickCell | teKeyPress | teGridHint,
            .Show_Hint = true};
}

const TTableDescription Publish_Table = Topic_Table(
    "ACG_Pub", "TS_MQTT_Publish", 3733, "MQTT_Publish", 3714, true, 3737, 3740,
    {Hide(Text_Column(3762, "IPAddress", 100, cgAddress, 3764, false)),
     Hide(Text_Column(3763, "InputTemplate", 150, cgTopic, 3765, false)),
     Template_Column(3735, 3736),
     Check_Column(3781, "OnChange", 65, cgTiming, 3782),
     Unstored(Check_Column(3783, nullptr, 55, cgTiming, 3786), ""),
     Check_Column(3784, "OnTimer", 60, cgTiming, 3787),
     Text_Column(3785, "Time", 70, cgTiming, 3788, false),
     Unstored(List_Column(3790, nullptr, Channel_Items(), 60, cgAddress, 3791), ""),
     Unstored(Check_Column(3793, nullptr, 45, cgSwap, 3795), "N"),
     Unstored(Check_Column(3794, nullptr, 75, cgSwap, 3796), "N")});

const TTableDescription Subscribe_Table = Topic_Table(
    "ACG_Sub", "TS_MQTT_Subscribe", 3734, "MQTT_Subscribe", 3724, false, 3743, 3747,
    {Hide(Text_Column(3766, "IPAddress", 100, cgAddress, 3770, false)),
     Hide(Text_Column(3767, "Port", 50, cgAddress, 3771, false)),
     Hide(List_Column(3768, "EthType", {"TCP", "UDP"}, 50, cgAddress, 3772, false)),
     Hide(Text_Column(3769, "InputTemplate", 150, cgTopic, 3773, false)),
     Template_Column(3746, 3750),
     Unstored(Check_Column(3793, nullptr, 45, cgSwap, 3797), "N"),
     Unstored(Check_Column(3794, nullptr, 75, cgSwap, 3798), "N")});

// Where a page keeps the checked cells (-1: the page has no such column)
// and the texts of its rules.
struct TPageRules {
    int Data_Type, Dimension, Position, IP_Address, Port, Input_Template, Template, On_Timer, Time;
    int Type_Missing, Dimension_Int, Dimension_Float, Dimension_Other, Position_Text, IP_Text, Port_Text,
        Input_Template_Text, Template_Text, Time_Text;
};

const TPageRules Publish_Rules = {mqtt_pub::Data_Type, mqtt_pub::Dimension, mqtt_pub::Position,
                                  mqtt_pub::IP_Address, -1, mqtt_pub::Input_Template, mqtt_pub::Template,
                                  mqtt_pub::On_Timer, mqtt_pub::Time,
                                  3752, 3753, 3754, 3755, 3756, 3774, 0, 3777, 3778, 3789};
const TPageRules Subscribe_Rules = {mqtt_sub::Data_Type, mqtt_sub::Dimension, mqtt_sub::Position,
                                    mqtt_sub::IP_Address, mqtt_sub::Port, mqtt_sub::Input_Template,
                                    mqtt_sub::Template, -1, -1,
                                    3757, 3758, 3759, 3760, 3761, 3775, 3776, 3779, 3780, 0};

// The longest timer a publish may wait, in milliseconds.
constexpr int Max_Publish_Time = 999'999'999;

TRowFault Check_Row(const TTableRow& Row, const std::vector<bool>& Shown, const TPageRules& R, int Bytes) {
    const auto shown = [&](int Col) { return Col >= 0 && Col < static_cast<int>(Shown.size()) && Shown[static_cast<size_t>(Col)]; };
    if (shown(R.Data_Type)) {
        const std::string type = base::UpperCase(base::Trim(Row[static_cast<size_t>(R.Data_Type)]));
        const int dimension = Cell_Number(Row[static_cast<size_t>(R.Dimension)]);
        if (type.empty()) return Fault(R.Type_Missing);
        if (type == "INT") {
            if (dimension != 1 && dimension != 2 && dimension != 4 && dimension != 8) return Fault(R.Dimension_Int);
        } else if (type == "FLOAT") {
            if (dimension != 4 && dimension != 8) return Fault(R.Dimension_Float);
        } else if (dimension < 1) {
            return Fault(R.Dimension_Other);
        }
    }
    if (shown(R.Position) && !In_Range(Row[static_cast<size_t>(R.Position)], 0, Bytes - 1))
        return Fault(R.Position_Text, Bytes - 1);
    if (shown(R.IP_Address)) {
        std::string ip1, ip2, ip3, ip4;
        if (!shell::Split_IP_Address(base::Trim(Row[static_cast<size_t>(R.IP_Address)]), ip1, ip2, ip3, ip4))
            return Fault(R.IP_Text);
    }
    if (shown(R.Port) && !In_Range(Row[static_cast<size_t>(R.Port)], 0, 65535)) return Fault(R.Port_Text);
    if (shown(R.Input_Template) && Error_In_Topic_Template(base::Trim(Row[static_cast<size_t>(R.Input_Template)])))
        return Fault(R.Input_Template_Text);
    if (shown(R.Template) && Error_In_Topic_Template(base::Trim(Row[static_cast<size_t>(R.Template)])))
        return Fault(R.Template_Text);
    // The timer is read whether or not its column is shown.
    if (R.On_Timer >= 0 && base::UpperCase(base::Trim(Row[static_cast<size_t>(R.On_Timer)])) == "Y" &&
        !In_Range(Row[static_cast<size_t>(R.Time)], 1, Max_Publish_Time))
        return Fault(R.Time_Text);
    return {};
}

}  // namespace

const TAccessMember MQTT_Set_Topic_Member = {
    .Class_Name = "TFMQTT_Set_Topic",
    .Client_Width = 1100,
    .Client_Height = 337,
    .Texts = {.Caption = 3700,
              .Desc = 3701,
              .Buttons = {3702, 3703, 3704, 3705, 3706, 3707},
              .Button_Hints = {3708, 3709, 3710, 3711, 3712, 3713},
              .Error_Row = 3751,
              .Delete_Question = 3723,
              .Replace_Partial_File = 3875,
              .Rows_After_End = 3799},
    .File = {.Root = "MQTT_Set_Topic", .Tables = {Publish_Table, Subscribe_Table}},
    .File_Path = &shell::MQTT_Set_Topic_File};

TShownColumns MQTT_Shown_Columns() {
    TShownColumns shown;
    for (const TTableDescription& t : MQTT_Set_Topic_Member.File.Tables) {
        std::vector<bool> columns;
        for (const TTableColumn& c : t.Columns) columns.push_back(!c.Hidden);
        shown.push_back(std::move(columns));
    }
    return shown;
}

bool Error_In_Topic_Template(std::string_view Text) {
    return std::count(Text.begin(), Text.end(), '$') % 2 != 0;
}

TCheckOutcome Check_MQTT_Topics(const std::vector<TTable>& Tables, const TShownColumns& Shown, int Byte_IN,
                                int Byte_OUT) {
    const TCheckOutcome publish = Check_Table(Publish_Table, Tables[0], 0, [&](const TTableRow& row) {
        return Check_Row(row, Shown[0], Publish_Rules, Byte_IN);
    });
    if (!publish.Ok()) return publish;
    return Check_Table(Subscribe_Table, Tables[1], 1, [&](const TTableRow& row) {
        return Check_Row(row, Shown[1], Subscribe_Rules, Byte_OUT);
    });
}

TFMQTT_Set_Topic::TFMQTT_Set_Topic(plat::TComponent* AOwner) : TAccessTableForm(AOwner, MQTT_Set_Topic_Member) {}

void TFMQTT_Set_Topic::Bind_Contents() {
    ACG_Pub = Grids[0];
    ACG_Sub = Grids[1];
    for (TExtColumnGrid* g : Grids)
        g->OnDblClickCell = [this, g](plat::TObject*, int ARow, int ACol) { ACG_MQTT_DblClickCell(*g, ARow, ACol); };
}

TFMQTT_Set_Topic::~TFMQTT_Set_Topic() {
    if (FMQTT_Set_Topic == this) FMQTT_Set_Topic = nullptr;
}

void TFMQTT_Set_Topic::Show_Prepare() {
    Working_Mode = 1;
    Byte_IN = MQTT_Data_Bytes;
    Byte_OUT = MQTT_Data_Bytes;
}

TCheckOutcome TFMQTT_Set_Topic::Check_Tables(const std::vector<TTable>& Tables) {
    TShownColumns shown;
    for (TExtColumnGrid* g : Grids) {
        std::vector<bool> columns;
        for (int c = 0; c < g->Columns().Count(); ++c) columns.push_back(!g->IsHiddenColumn(c));
        shown.push_back(std::move(columns));
    }
    return Check_MQTT_Topics(Tables, shown, Byte_IN, Byte_OUT);
}

void TFMQTT_Set_Topic::ACG_MQTT_DblClickCell(TExtColumnGrid& Grid, int ARow, int ACol) {
    shell::Grid_DblClick_AutoSize(Grid, ARow, ACol);
    // Only a Template cell of a table row opens the editor: a double click
    // on a header fits the column and nothing more.
    if (ARow < 1) return;
    const int col = Grid.RealColIndex(ACol);
    if ((&Grid == ACG_Pub && col == mqtt_pub::Template) || (&Grid == ACG_Sub && col == mqtt_sub::Template))
        Show_Form_Topic(Grid, ARow, col);
}

void TFMQTT_Set_Topic::Show_Form_Topic(TExtColumnGrid& Grid, int Row, int Col) {
    if (FTopicTemplate == nullptr) return;
    FTopicTemplate->TopicTemplate =
        (&Grid == ACG_Pub && Col == mqtt_pub::Template) || (&Grid == ACG_Sub && Col == mqtt_sub::Template) ? 1 : 0;
    FTopicTemplate->Working_Mode = Working_Mode;
    FTopicTemplate->Pub_Sub = &Grid == ACG_Pub ? 0 : 1;
    // An editor the double click opened would write its own text over the
    // edited one when it closes.
    if (Grid.EditMode()) Grid.HideInplaceEdit();
    std::string text = Grid.Cells(Col, Row);
    if (FTopicTemplate->Edit(text)) Grid.SetCells(Col, Row, text);
}

}  // namespace proto
