#include "Startup.h"
#include "forms/Title2.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    StartUp();
    Form1->show();
    const int result = QApplication::exec();
    ShutDown();
    return result;
}
