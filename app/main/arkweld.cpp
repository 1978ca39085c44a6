// Arkweld: starts the application frame.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QMainWindow frame;
    frame.setWindowTitle("Arkweld 4.0");
    frame.showMaximized();
    return application.exec();
}
