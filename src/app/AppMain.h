#pragma once

namespace app {

// The whole program: start-up, message loop, shut-down. Returns the exit code.
int AppMain(int argc, char** argv);

}  // namespace app
