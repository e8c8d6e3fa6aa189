#pragma once
// "LoRaWAN Access" (unit ULoRaWAN_Gateway): the modal window in which the
// user edits the LoRaWAN end devices the gateway serves and, per device, its
// uplink and downlink rules. An upper table lists the 1000 device slots; the
// two rule tables below always show the rules of the device at the upper
// table's current row. The records behind the tables, the data check and the
// file live in LoRaWANModel, LoRaWANCheck and LoRaWANFile; the window copies
// table cells in and out of the records.

#include <stdexcept>
#include <string>
#include <vector>

#include "gateway/CheckResult.h"
#include "gateway/LoRaWANModel.h"
#include "grid/ExtCGrid.h"
#include "grid/ExtGrid.h"
#include "platform/ComCtrls.h"
#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "platform/Layout.h"
#include "platform/StdCtrls.h"
#include "platform/XmlDom.h"

namespace gw {

// The table that last had the focus; the row buttons act on it.
enum TLoRaWANGrid { Grid_Devices = 0, Grid_UpLink = 1, Grid_DownLink = 2 };

class TFLoRaWAN_Gateway : public plat::TLayoutForm {
public:
    explicit TFLoRaWAN_Gateway(plat::TComponent* AOwner);
    ~TFLoRaWAN_Gateway() override;

    // Captions, hints, titles, tab captions and table headers in the
    // language in force.
    void Set_Lang();
    // Checks the device records; shows the first fault in an error box and
    // returns false, or returns true.
    bool Check_Data();
    // Gateway mode unless the parameter file says "END NODE".
    bool Is_a_Master();

    // The table cells into the records: the device table, and each rule
    // table into the device whose rules it shows.
    void Save_Device_List();
    void Save_UpLink_Rules_List();
    void Save_DownLink_Rules_List();

    bool ModeMaster() const { return FModel.ModeMaster(); }
    int Last_Grid() const { return FLast_Grid; }
    // The records as the last store left them.
    const TLoRaWANModel& Model() const { return FModel; }

    plat::TPendingRef<plat::TPanel> P_Title{this};
    plat::TPendingRef<plat::TLabel> L_SW_Code{this};
    plat::TPendingRef<plat::TLabel> L_SW_Desc{this};
    plat::TPendingRef<plat::TPanel> P_Button{this};
    plat::TPendingRef<plat::TControl> Btn_OK{this};
    plat::TPendingRef<plat::TControl> Btn_Cancel{this};
    plat::TPendingRef<plat::TControl> Btn_DelRow{this};
    plat::TPendingRef<plat::TControl> Btn_InsRow{this};
    plat::TPendingRef<plat::TControl> Btn_CopyRow{this};
    plat::TPendingRef<plat::TControl> Btn_PasteRow{this};
    plat::TPendingRef<plat::TPanel> PLoRaWAN_Device_List{this};
    plat::TPendingRef<plat::TLabel> LLoRaWAN_Device_List_Title{this};
    plat::TPendingRef<grid::TExtStringGrid> ESG_LoRaWAN_Device_List{this};
    plat::TPendingRef<plat::TSplitter> Splitter1{this};
    plat::TPendingRef<plat::TPanel> PLoRaWAN_Rules_List{this};
    plat::TPendingRef<plat::TLabel> LLoRaWAN_Rules_List_Title{this};
    plat::TPendingRef<plat::TPageControl> PC_LoRaWAN_Device_Rules_List{this};
    plat::TPendingRef<plat::TTabSheet> TS_LoRaWAN_Uplink_Rules_List{this};
    plat::TPendingRef<plat::TTabSheet> TS_LoRaWAN_Downlink_Rules_List{this};
    plat::TPendingRef<grid::TExtColumnGrid> ACG_LoRaWAN_Uplink{this};
    plat::TPendingRef<grid::TExtColumnGrid> ACG_LoRaWAN_Downlink{this};

private:
    void FormCreate();
    void FormShow();
    void Init_Table();
    void Grid_Enter(plat::TObject* Sender);
    void Grid_Exit(plat::TObject* Sender);
    void Device_SelectCell(int ACol, int ARow, bool& CanSelect);
    void Device_GetEditorType(int ACol, int ARow, grid::TEditorType& AEditor);
    void Device_ComboChange(int ACol, int ARow, const std::string& Text);
    void Btn_OKClick();
    void Btn_CancelClick();
    void Btn_DelRowClick();
    void Btn_InsRowClick();
    void Btn_CopyRowClick();
    void Btn_PasteRowClick();

    void Arrange_Pages();
    void Load_Configuration();
    void Clear_Rules_Tables();
    void Show_Data_Devices_Table();
    void Show_Rules(const TLoRaWANModel::TShownRules& Rules);
    void Apply_Key_Cells(int ARow, const std::string& ActMethod);
    std::vector<TDeviceRow> Device_Table_Rows() const;
    std::vector<TRuleRow> Rule_Rows(grid::TExtColumnGrid& Grid) const;
    // Every table into the records, so that a check, a save or a row
    // button sees the latest edits whichever control had the focus.
    void Store_All();
    // After a check error: the failing device's rules in the rule tables and
    // the focus on the failing cell.
    void Go_To_Failure(const TCheckResult& Result);

    TLoRaWANModel FModel;
    std::vector<std::string> FRX2_SL;
    int FLast_Grid = Grid_Devices;
    bool DoCopy_Dev = false;
    bool DoCopy_Up = false;
    bool DoCopy_Down = false;
    // Set while the window itself moves the device table's current row, so
    // that the move is not taken for the user's.
    bool FMovingRow = false;
    // The file was read whole (or is missing): OK may replace it without
    // asking, as the tables hold everything it held.
    bool FLoaded_Clean = true;
    // The records as loaded: Cancel asks only when the user changed them.
    TLoRaWANConfig FLoaded;
    plat::TXmlDocument XML1;
};

extern TFLoRaWAN_Gateway* FLoRaWAN_Gateway;

}  // namespace gw
