#include "platform/Application.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

namespace plat {

int RunEmptyMainWindow(int argc, char** argv, const std::string& caption, int width, int height,
                       bool exitAtOnce) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QString::fromStdString(caption));
    window.resize(width, height);
    window.show();
    if (exitAtOnce) QTimer::singleShot(0, &app, &QApplication::quit);
    return app.exec();
}

}  // namespace plat
