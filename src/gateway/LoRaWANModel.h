#pragma once
// The records behind the LoRaWAN window's three tables: 1000 devices, each
// with its own uplink and downlink rules, and the bookkeeping that keeps the
// two rule tables tied to the device they show. The window copies table
// cells in and out as rows of texts; everything else happens here.

#include <string>
#include <vector>

#include "gateway/LoRaWANFile.h"

namespace gw {

inline constexpr int Device_Rows = 1000;
inline constexpr int Rule_Rows = 1024;

// The drop-down lists of the device table.
const std::vector<std::string>& Act_Meth_SL();  // ABP, then OTAA
const std::vector<std::string>& Class_SL();     // "A", "C"
// The RX2 names of the band with a last empty entry that clears the cell:
// the 500 kHz names when the parameter file's band is exactly "US915".
std::vector<std::string> RX2_SL(const std::string& parGenBand);

// Gateway mode unless the parameter file's mode reads "END NODE" in any
// letter case; a missing file or key (nullptr) is gateway mode.
bool Is_Master_Mode(const std::string* parGenMode);

// Which key cells of a device row take input: by personalization the two
// session keys, over the air the application key. An empty or unknown
// method counts as personalization.
struct TKeyCells {
    bool sessionKeysEditable = true;
    bool appKeyEditable = false;
    bool operator==(const TKeyCells&) const = default;
};
TKeyCells Key_Cells(const std::string& actMethod);

// The cells of one rule-table row from column 1 on (column 0 is the row
// number): uplink Enable, Port, Start Test, Len Test, Hex, Value Test, Start
// Byte, Number Bytes, Position Byte, Mnemonic; downlink Enable, Port, Start
// Byte, Number Bytes, On Change, On CMD, On Timer, Time, Position Byte,
// Mnemonic. Check-box cells hold "Y" or "N".
using TRuleRow = std::vector<std::string>;
inline constexpr int Rule_Columns = 10;

// Table rows -> rules: uplink rows whose Port and Start Test are both blank,
// and downlink rows with a blank Port, are empty and skipped.
std::vector<TRuleLoRa> UpLinkRulesOf(const std::vector<TRuleRow>& rows);
std::vector<TRuleLoRa> DownLinkRulesOf(const std::vector<TRuleRow>& rows);
// Rules -> table rows, one per rule.
std::vector<TRuleRow> UpLinkRowsOf(const std::vector<TRuleLoRa>& rules);
std::vector<TRuleRow> DownLinkRowsOf(const std::vector<TRuleLoRa>& rules);

// A device-table row: the Enable box and the twelve texts of columns 2 to 13.
struct TDeviceRow {
    bool enable = true;
    std::vector<std::string> texts;  // DeviceEUI .. Mnemonic
};
inline constexpr int Device_Text_Columns = 12;

class TLoRaWANModel {
public:
    TLoRaWANModel();

    // Each showing: empties the records, takes the mode, and fills record i
    // from the file's device i. In end-node mode only the first device
    // counts, and a configuration without one gets a placeholder Device EUI,
    // so that the rules typed for the node are written by the next OK. The
    // device table's current row becomes 1.
    void Load(bool modeMaster, const std::vector<TDeviceLoRa>& fromFile);

    bool ModeMaster() const { return modeMaster_; }
    const std::vector<TDeviceLoRa>& Devices() const { return devices_; }
    const TDeviceLoRa& Device(int index) const { return devices_.at(index); }

    // The device table's current row (1..1000; 0 when none) and the record
    // whose rules the rule tables hold (-1 when none).
    int CurrentRow() const { return currentRow_; }
    int ShownDevice() const { return shownDevice_; }

    // The device table lost the focus: its rows go into the records, rules
    // untouched. Rows past the given ones are left as they are.
    void Save_Device_List(const std::vector<TDeviceRow>& rows);

    // A rule table lost the focus, or a row button changed it: its rows go
    // into the device whose rules it shows, whatever row the device table
    // has moved to meanwhile.
    void Save_UpLink_Rules_List(const std::vector<TRuleRow>& rows);
    void Save_DownLink_Rules_List(const std::vector<TRuleRow>& rows);

    // The device table's current row changed, by mouse or by keyboard. The
    // rows the rule tables hold now belong to the device that was current
    // before the move and are stored there first; then the tables show the
    // rules of the new row's device.
    struct TShownRules {
        std::vector<TRuleRow> upLink;
        std::vector<TRuleRow> downLink;
    };
    TShownRules Current_Device_Changed(int newRow, const std::vector<TRuleRow>& upLinkRows,
                                       const std::vector<TRuleRow>& downLinkRows);
    // The rows the rule tables are to show for the shown device.
    TShownRules Show_Rules_Data() const;

    // Device-table row buttons at the current row: the record moves with its
    // rules; the rule tables then show the device now at the current row.
    TShownRules Delete_Device(int row);
    TShownRules Insert_Device(int row);

    // Records as the file and the check see them.
    TLoRaWANConfig Configuration() const;

private:
    int RecordOfRow(int row) const;

    std::vector<TDeviceLoRa> devices_;
    bool modeMaster_ = true;
    int currentRow_ = 0;
    int shownDevice_ = -1;
};

}  // namespace gw
