// The yardstick for a program that shows text: a bare Qt Widgets window of
// the setup window's size holding one label, so it pays for fonts and text
// layout and for nothing else.
#include <QApplication>
#include <QLabel>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Who knows the answer? Roll the die and find out."));
    window.setWindowTitle(QStringLiteral("Text window"));
    window.resize(495, 400);
    window.show();
    return QApplication::exec();
}
