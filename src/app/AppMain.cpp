#include "app/AppMain.h"

#include <cstring>

#include "platform/Application.h"
#include "platform/ExtCtrls.h"
#include "platform/Forms.h"

namespace app {

int AppMain(int argc, char** argv) {
    // "--exit-after-start" lets automated checks start the program and see it
    // come up and go down cleanly without a person closing the window.
    bool exitAtOnce = false;
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--exit-after-start") == 0) exitAtOnce = true;

    plat::InitApplication();
    plat::Application->Initialize();
    plat::Application->SetTitle("VastrimoFirmWare");
    plat::TForm* mainForm = nullptr;
    plat::Application->CreateForm(mainForm);
    mainForm->SetCaption("VastrimoFirmWare");
    mainForm->SetClientWidth(800);
    mainForm->SetClientHeight(600);
    mainForm->SetPosition(plat::poScreenCenter);
    if (exitAtOnce) {
        // The first tick comes once the loop runs, after the window is shown.
        auto* quit = new plat::TTimer(mainForm);
        quit->SetInterval(1);
        quit->OnTimer = [](plat::TObject*) { plat::Application->Terminate(); };
    }
    plat::Application->Run();
    return 0;
}

}  // namespace app
