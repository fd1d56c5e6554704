// The yardstick for start-up time and memory: a bare Qt Widgets program that
// shows one empty window of the setup window's size and does nothing else.
#include <QApplication>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Baseline"));
    window.resize(495, 400);
    window.show();
    return QApplication::exec();
}
