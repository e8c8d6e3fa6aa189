#include "app/AppMain.h"

#include <cstring>

#include "platform/Application.h"

namespace app {

int AppMain(int argc, char** argv) {
    // "--exit-after-start" lets automated checks start the program and see it
    // come up and go down cleanly without a person closing the window.
    bool exitAtOnce = false;
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--exit-after-start") == 0) exitAtOnce = true;
    return plat::RunEmptyMainWindow(argc, argv, "VastrimoFirmWare", 800, 600, exitAtOnce);
}

}  // namespace app
