#include "app/AppMain.h"

int main(int argc, char** argv) {
    return app::AppMain(argc, argv);
}
