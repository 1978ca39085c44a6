// Arkweld: starts the application frame.
#include "app/qt/aapp.h"
#include "model/drawingstate.h"
#include "model/programdirectory.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    // Every file lives below the program's own directory; missing settings files are laid in.
    State().programDirectory = ExecutableDirectory();
    PrepareProgramDirectory(State().programDirectory);
    TAApp frame;
    frame.Start();
    return application.exec();
}
