// The start-up baseline: the least a Qt Widgets program does to show a
// window and go away again, the way the configurator does when started with
// "--exit-after-start" (shown, first timer tick, closed).

#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("Start-up baseline");
    window.resize(800, 600);
    window.show();
    QTimer::singleShot(1, &window, &QWidget::close);
    return app.exec();
}
