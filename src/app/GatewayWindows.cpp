#include "app/GatewayWindows.h"

#include "gateway/Boot.h"
#include "gateway/LoRaWAN_Gateway.h"
#include "gateway/ParGen.h"
#include "platform/Application.h"

namespace app {

void Create_Boot() {
    plat::Application->CreateForm(gw::FBoot);
}

void Create_ParGen() {
    plat::Application->CreateForm(gw::FParGen);
}

void Create_LoRaWAN_Gateway() {
    plat::Application->CreateForm(gw::FLoRaWAN_Gateway);
}

void Show_Boot_For_Update() {
    if (gw::FBoot == nullptr) return;
    gw::FBoot->Form_Type = gw::Boot_Ethernet;
    gw::FBoot->ShowModal();
}

void Show_ParGen_Window() {
    if (gw::FParGen) gw::FParGen->ShowModal();
}

void Show_LoRaWAN_Gateway_Window() {
    if (gw::FLoRaWAN_Gateway) gw::FLoRaWAN_Gateway->ShowModal();
}

void Relabel_Boot() {
    if (gw::FBoot) gw::FBoot->Set_Lang();
}

void Relabel_ParGen() {
    if (gw::FParGen) gw::FParGen->Set_Lang();
}

void Relabel_LoRaWAN_Gateway() {
    if (gw::FLoRaWAN_Gateway) gw::FLoRaWAN_Gateway->Set_Lang();
}

}  // namespace app
