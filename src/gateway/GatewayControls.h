#pragma once
// The control kinds and properties the gateway windows' layouts use beyond
// those the window layer and the shell register: fixed-entry lists, edits
// that show capitals, and the category panels of the parameter window.

namespace gw {

// Safe to call more than once; every gateway window constructor calls it.
void Register_Gateway_Controls();

}  // namespace gw
