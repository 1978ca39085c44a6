// arkweld-script: runs a script of commands, dialog answers, mouse and key events against the
// program with no screen, for the end-to-end tests (usage in app/qt/startup.h).
#include "app/qt/startup.h"

int main(int argc, char** argv)
{
    return RunArkweldScript(argc, argv);
}
