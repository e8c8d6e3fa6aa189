#include "gateway/ParGenLayout.h"

#include "gateway/LoRaWANBands.h"

#include <gtest/gtest.h>

namespace {

using namespace gw;
using Rows = std::vector<std::pair<TLoRaWANRow, int>>;

// The shown rows with their tops, in panel order.
Rows Shown(const TLoRaWANLayout& layout) {
    Rows rows;
    for (int r = 0; r < LoRaWAN_Row_Count; ++r)
        if (layout.rows[r].visible) rows.emplace_back(static_cast<TLoRaWANRow>(r), layout.rows[r].top);
    return rows;
}

TEST(LoRaWANLayout, GatewayRowsFollowTheBand) {
    const Rows withoutSubBand = {
        {Row_RF_Band, 12}, {Row_Network_Type, 40}, {Row_Diag_Pos, 68}, {Row_RX2_Datarate, 96}};
    Rows withSubBand = withoutSubBand;
    withSubBand.emplace_back(Row_FreqSubBand, 124);
    const struct {
        const char* band;
        Rows rows;
        TLoRaWANRow last;
    } cases[] = {
        {"EU868", withoutSubBand, Row_RX2_Datarate}, {"US915", withSubBand, Row_FreqSubBand},
        {"KR920", withoutSubBand, Row_RX2_Datarate}, {"AS923", withoutSubBand, Row_RX2_Datarate},
        {"us915", withoutSubBand, Row_RX2_Datarate},  // the list's text, compared exactly
        {"", withoutSubBand, Row_RX2_Datarate},
    };
    for (const auto& c : cases) {
        for (int activation : {0, 1}) {
            const TLoRaWANLayout layout = RePosition_Object_LoRaWAN(0, activation, c.band);
            EXPECT_EQ(Shown(layout), c.rows) << c.band << " " << activation;
            EXPECT_EQ(layout.last, c.last) << c.band;
        }
    }
}

TEST(LoRaWANLayout, EndNodeRowsFollowTheActivationMethod) {
    const Rows abp = {{Row_RF_Band, 12},
                      {Row_Network_Type, 40},
                      {Row_Adaptive_DataRate, 68},
                      {Row_DataRate, 96},
                      {Row_Transmission_Type, 124},
                      {Row_Join_EUI, 152},
                      {Row_Activation_Method, 180},
                      {Row_Device_Address, 208},
                      {Row_Network_Session_Key, 236},
                      {Row_Application_Session_Key, 264},
                      {Row_Class, 292},
                      {Row_Diag_Pos, 320},
                      {Row_RX2_Datarate, 348}};
    const Rows otaa = {{Row_RF_Band, 12},
                       {Row_Network_Type, 40},
                       {Row_Adaptive_DataRate, 68},
                       {Row_DataRate, 96},
                       {Row_Transmission_Type, 124},
                       {Row_Join_EUI, 152},
                       {Row_Activation_Method, 180},
                       {Row_Application_Key, 208},
                       {Row_Class, 236},
                       {Row_Diag_Pos, 264},
                       {Row_RX2_Datarate, 292}};
    EXPECT_EQ(Shown(RePosition_Object_LoRaWAN(1, 0, "EU868")), abp);
    EXPECT_EQ(Shown(RePosition_Object_LoRaWAN(1, 1, "EU868")), otaa);
    const TLoRaWANLayout us = RePosition_Object_LoRaWAN(1, 1, "US915");
    EXPECT_EQ(us.rows[Row_FreqSubBand], (TRowPlace{true, 320}));
    EXPECT_EQ(us.last, Row_FreqSubBand);
}

TEST(LoRaWANLayout, ServerRowsAndModeStayHidden) {
    for (int mode : {0, 1})
        for (const char* band : {"EU868", "US915"}) {
            const TLoRaWANLayout layout = RePosition_Object_LoRaWAN(mode, 0, band);
            for (TLoRaWANRow row : {Row_Mode, Row_Server_Address, Row_Server_Port_Up, Row_Server_Port_Down,
                                    Row_KeepAlive_Interval})
                EXPECT_FALSE(layout.Visible(row)) << mode << band << row;
        }
}

TEST(LoRaWANLists, EachBandOffersItsDataRates) {
    const auto eu = DataRateEntries("EU868");
    ASSERT_EQ(eu.size(), 8u);
    EXPECT_EQ(eu.front(), "0 -\tLoRa: SF12/125kHz 250 [bit/s]");
    EXPECT_EQ(eu[6], "6 - LoRa: SF7/250kHz 11000 [bit/s]");
    EXPECT_EQ(eu.back(), "7 - FSK: 50kbps 50000 [bit/s]");
    const auto us = DataRateEntries("US915");
    ASSERT_EQ(us.size(), 11u);
    EXPECT_EQ(us.front(), "0  -\tLoRa: SF10/125kHz 980 [bit/s]");
    EXPECT_EQ(us[5], "8  -\tLoRa: SF12/500kHz 980 [bit/s]");
    EXPECT_EQ(us[7], "10 - LoRa: SF10/500kHz 3900 [bit/s]");
    EXPECT_EQ(us.back(), "13 - LoRa: SF7/500kHz 21900 [bit/s]");
    for (const char* band : {"KR920", "AS923", "eu868", ""})
        EXPECT_TRUE(DataRateEntries(band).empty()) << band;
}

TEST(LoRaWANLists, EachBandOffersItsRX2Rates) {
    using L = std::vector<std::string>;
    const L bw125 = {"SF12BW125", "SF11BW125", "SF10BW125", "SF9BW125", "SF8BW125", "SF7BW125"};
    L eu = bw125;
    eu.push_back("SF7BW250");
    const struct {
        const char* band;
        L want;
    } cases[] = {
        {"EU868", eu},
        {"US915", {"SF12BW500", "SF11BW500", "SF10BW500", "SF9BW500", "SF8BW500", "SF7BW500"}},
        {"KR920", bw125},
        {"AS923", bw125},
        {"US915 ", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(RX2DataRateNames(c.band), c.want) << c.band;
}

TEST(ParGenEnables, DhcpAndDeviceKindSwitchControlsOff) {
    EXPECT_FALSE(DHCP_WiFi_Enabled(0));
    EXPECT_TRUE(DHCP_WiFi_Enabled(1));
    EXPECT_FALSE(DHCP_WiFi_Enabled(2));
    EXPECT_TRUE(EtherNetIP_Address_Enabled(false));
    EXPECT_FALSE(EtherNetIP_Address_Enabled(true));
}

TEST(ParGenChanges, RedoByControl) {
    const struct {
        const char* sender;
        TParGenRedo redo;
    } changes[] = {
        {"CB_LoRaWAN_RF_Band", TParGenRedo::LayoutAndRates},
        {"CB_LoRaWAN_Mode", TParGenRedo::Layout},
        {"CB_LoRaWAN_Activation_Method", TParGenRedo::Layout},
        {"CB_Select_Device_Device", TParGenRedo::Layout},
        {"CB_WiFi2_Secure_Type", TParGenRedo::Layout},
        {"CB_LoRaWAN_Network_Type", TParGenRedo::Nothing},
        {"E_EtherNetIP_IP1", TParGenRedo::Nothing},
    };
    for (const auto& c : changes) EXPECT_EQ(On_Change_Redo(c.sender), c.redo) << c.sender;
    EXPECT_TRUE(On_Click_Relayout("CB_EthConn_En_DHCP_Cable"));
    EXPECT_TRUE(On_Click_Relayout("CB_TLS_Server_Enable"));
    EXPECT_FALSE(On_Click_Relayout("CB_EthConn_Enable_DNS"));
    EXPECT_FALSE(On_Click_Relayout("CB_EtherNetIP_GAT"));
}

TEST(ParGenChanges, CancelAsksOnlyAfterAUserChange) {
    TParGenChanges changes;
    // Loading fires change events on its own; they must not make Cancel ask.
    changes.On_Change("E_EthConn_Device_Name");
    changes.On_Change("CB_LoRaWAN_RF_Band");
    changes.Loaded();
    EXPECT_FALSE(changes.Cancel_Asks());

    EXPECT_EQ(changes.On_Change("CB_LoRaWAN_RF_Band"), TParGenRedo::LayoutAndRates);
    EXPECT_TRUE(changes.Cancel_Asks());
    changes.Loaded();
    EXPECT_FALSE(changes.Is_Change());
    EXPECT_FALSE(changes.On_Click("CB_EthConn_Enable_DNS"));
    EXPECT_TRUE(changes.Cancel_Asks());
}

}  // namespace
