#pragma once
// The control kinds the shell's window layouts use beyond the window layer's
// own (the flat button), registered with the layout loader.

namespace shell {

// Safe to call more than once; every window constructor calls it.
void Register_Shell_Controls();

}  // namespace shell
