// The reference for the program's start: a bare Qt Widgets window, one label.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Tipolab"));
    label.show();
    return QApplication::exec();
}
