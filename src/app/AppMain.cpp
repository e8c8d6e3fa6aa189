#include "app/AppMain.h"

#include <cstring>

#include "app/VastrimoFirmWare.h"
#include "platform/Application.h"
#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "platform/ProcessMemory.h"

namespace app {

int AppMain(int argc, char** argv) {
    // Before anything is built: start-up fills some tens of megabytes of
    // heap at once.
    plat::Prepare_Heap(64u << 20);
    // "--exit-after-start" lets automated checks start the program and see it
    // come up and go down cleanly without a person closing the window.
    bool exitAtOnce = false;
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--exit-after-start") == 0) exitAtOnce = true;

    plat::InitApplication();
    plat::Application->Initialize();
    plat::Application->SetMainFormOnTaskBar(true);
    plat::Application->SetTitle("VastrimoFirmWare");
    Create_Windows();
    if (exitAtOnce) {
        FVastrimoFirmWare->Report_To_Console = true;
        // The first tick comes once the loop runs, after the window is shown;
        // closing it takes the normal way out, settings file included.
        auto* quit = new plat::TTimer(FVastrimoFirmWare);
        quit->SetInterval(1);
        quit->OnTimer = [quit](plat::TObject*) {
            quit->SetEnabled(false);
            FVastrimoFirmWare->Close();
        };
    }
    plat::Application->Run();
    return 0;
}

}  // namespace app
