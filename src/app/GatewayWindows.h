#pragma once
// The gateway's windows as the main window reaches them. They sit in a unit
// of their own because the gateway's window headers and its image builder
// cannot share one translation unit (both declare the working-mode names).

namespace app {

void Create_Boot();
void Create_ParGen();
void Create_LoRaWAN_Gateway();
// The update dialog in its network layout, modally; nothing when it does not exist.
void Show_Boot_For_Update();
void Show_ParGen_Window();
void Show_LoRaWAN_Gateway_Window();
void Relabel_Boot();
void Relabel_ParGen();
void Relabel_LoRaWAN_Gateway();

}  // namespace app
