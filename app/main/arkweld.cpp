// Arkweld: starts the application frame.
#include "app/qt/startup.h"

int main(int argc, char** argv)
{
    return RunArkweld(argc, argv);
}
