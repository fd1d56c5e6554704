#include "Startup.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    StartUp();
    ShowMainWindow();
    const int result = QApplication::exec();
    ShutDown();
    return result;
}
