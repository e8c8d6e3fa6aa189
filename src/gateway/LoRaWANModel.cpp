#include "gateway/LoRaWANModel.h"

#include <algorithm>
#include <span>

#include "base/StrUtils.h"
#include "gateway/LoRaWANBands.h"

namespace gw {

const std::vector<std::string>& Act_Meth_SL() {
    static const std::vector<std::string> list = {"Activation by Personalization [ABP]",
                                                  "Over-the-Air Activation [OTAA]"};
    return list;
}

const std::vector<std::string>& Class_SL() {
    static const std::vector<std::string> list = {"A", "C"};
    return list;
}

std::vector<std::string> RX2_SL(const std::string& parGenBand) {
    std::vector<std::string> list = RX2DataRateNames(parGenBand == "US915" ? "US915" : "EU868");
    list.emplace_back();
    return list;
}

bool Is_Master_Mode(const std::string* parGenMode) {
    return parGenMode == nullptr || base::UpperCase(*parGenMode) != "END NODE";
}

TKeyCells Key_Cells(const std::string& actMethod) {
    if (actMethod == Act_Meth_SL()[1]) return {false, true};
    return {true, false};
}

namespace {

const std::string& Cell(const TRuleRow& row, int index) {
    static const std::string empty;
    return index < static_cast<int>(row.size()) ? row[index] : empty;
}

bool Checked(const TRuleRow& row, int index) {
    return base::UpperCase(Cell(row, index)) == "Y";
}

const char* YN(bool on) {
    return on ? "Y" : "N";
}

bool Blank(const std::string& text) {
    return base::Trim(text).empty();
}

}  // namespace

namespace {

TRuleLoRa RuleOf(const TRuleRow& row, std::span<const TRuleField> fields) {
    TRuleLoRa r;
    for (size_t i = 0; i < fields.size(); ++i) {
        const int column = static_cast<int>(i);
        if (fields[i].flag)
            r.*fields[i].flag = Checked(row, column);
        else
            r.*fields[i].text = Cell(row, column);
    }
    return r;
}

std::vector<TRuleRow> RowsOf(const std::vector<TRuleLoRa>& rules, std::span<const TRuleField> fields) {
    std::vector<TRuleRow> rows;
    for (const TRuleLoRa& r : rules) {
        TRuleRow row;
        for (const TRuleField& f : fields) row.push_back(f.flag ? std::string(YN(r.*f.flag)) : r.*f.text);
        rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace

std::vector<TRuleLoRa> UpLinkRulesOf(const std::vector<TRuleRow>& rows) {
    std::vector<TRuleLoRa> rules;
    for (const TRuleRow& row : rows) {
        // A rule may test the payload without a port of its own; a row with
        // neither is empty and skipped. It ends nothing: rules typed below
        // a gap are the user's too.
        if (Blank(Cell(row, 1)) && Blank(Cell(row, 2))) continue;
        rules.push_back(RuleOf(row, UpLink_Rule_Fields));
    }
    return rules;
}

std::vector<TRuleLoRa> DownLinkRulesOf(const std::vector<TRuleRow>& rows) {
    std::vector<TRuleLoRa> rules;
    for (const TRuleRow& row : rows) {
        if (Blank(Cell(row, 1))) continue;
        rules.push_back(RuleOf(row, DownLink_Rule_Fields));
    }
    return rules;
}

std::vector<TRuleRow> UpLinkRowsOf(const std::vector<TRuleLoRa>& rules) {
    return RowsOf(rules, UpLink_Rule_Fields);
}

std::vector<TRuleRow> DownLinkRowsOf(const std::vector<TRuleLoRa>& rules) {
    return RowsOf(rules, DownLink_Rule_Fields);
}

TLoRaWANModel::TLoRaWANModel() : devices_(Device_Rows) {}

void TLoRaWANModel::Load(bool modeMaster, const std::vector<TDeviceLoRa>& fromFile) {
    // Every field is emptied: a time-out or data rate left over from an
    // earlier opening, perhaps of another configuration, would show in an
    // empty row and go into the device the user types there.
    for (TDeviceLoRa& d : devices_) d = TDeviceLoRa{};
    modeMaster_ = modeMaster;
    const size_t count = std::min(fromFile.size(), modeMaster ? devices_.size() : size_t{1});
    std::copy_n(fromFile.begin(), count, devices_.begin());
    if (!modeMaster && count == 0) devices_[0].DeviceEUI = "0001020304050607";
    currentRow_ = 1;
    shownDevice_ = RecordOfRow(currentRow_);
}

int TLoRaWANModel::RecordOfRow(int row) const {
    // An end node has one device, whatever row the hidden table is on.
    if (!modeMaster_) return 0;
    return row >= 1 && row <= Device_Rows ? row - 1 : -1;
}

void TLoRaWANModel::Save_Device_List(const std::vector<TDeviceRow>& rows) {
    const size_t count = std::min(rows.size(), devices_.size());
    for (size_t i = 0; i < count; ++i) {
        const TDeviceRow& row = rows[i];
        TDeviceLoRa& d = devices_[i];
        auto text = [&](int col) {
            return col < static_cast<int>(row.texts.size()) ? row.texts[col] : std::string();
        };
        d.Enable = row.enable;
        for (size_t col = 0; col < std::size(Device_Text_Fields); ++col)
            d.*Device_Text_Fields[col].text = text(static_cast<int>(col));
    }
}

void TLoRaWANModel::Save_UpLink_Rules_List(const std::vector<TRuleRow>& rows) {
    if (shownDevice_ >= 0) devices_[shownDevice_].UpLinkRules = UpLinkRulesOf(rows);
}

void TLoRaWANModel::Save_DownLink_Rules_List(const std::vector<TRuleRow>& rows) {
    if (shownDevice_ >= 0) devices_[shownDevice_].DownLinkRules = DownLinkRulesOf(rows);
}

TLoRaWANModel::TShownRules TLoRaWANModel::Current_Device_Changed(int newRow,
                                                                 const std::vector<TRuleRow>& upLinkRows,
                                                                 const std::vector<TRuleRow>& downLinkRows) {
    Save_UpLink_Rules_List(upLinkRows);
    Save_DownLink_Rules_List(downLinkRows);
    currentRow_ = newRow;
    shownDevice_ = RecordOfRow(newRow);
    return Show_Rules_Data();
}

TLoRaWANModel::TShownRules TLoRaWANModel::Show_Rules_Data() const {
    if (shownDevice_ < 0) return {};
    const TDeviceLoRa& d = devices_[shownDevice_];
    return {UpLinkRowsOf(d.UpLinkRules), DownLinkRowsOf(d.DownLinkRules)};
}

TLoRaWANModel::TShownRules TLoRaWANModel::Delete_Device(int row) {
    if (row >= 1 && row <= Device_Rows) {
        devices_.erase(devices_.begin() + (row - 1));
        devices_.emplace_back();
    }
    shownDevice_ = RecordOfRow(currentRow_);
    return Show_Rules_Data();
}

TLoRaWANModel::TShownRules TLoRaWANModel::Insert_Device(int row) {
    if (row >= 1 && row <= Device_Rows) {
        devices_.insert(devices_.begin() + (row - 1), TDeviceLoRa{});
        devices_.pop_back();
    }
    shownDevice_ = RecordOfRow(currentRow_);
    return Show_Rules_Data();
}

TLoRaWANConfig TLoRaWANModel::Configuration() const {
    return TLoRaWANConfig{devices_};
}

}  // namespace gw
