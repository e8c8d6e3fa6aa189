#include "platform/GuiApp.h"

#include <QApplication>

namespace plat {

void EnsureGuiApplication() {
    if (QCoreApplication::instance() != nullptr) return;
    // QApplication keeps references to argc and argv for its whole life.
    static int argc = 1;
    static char name[] = "VastrimoFirmWare";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);  // lives until the program ends
}

bool GuiApplicationExists() { return QCoreApplication::instance() != nullptr; }

}  // namespace plat
