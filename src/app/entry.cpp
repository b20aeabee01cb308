// The program's entry. The file to open is taken from the whole UTF-16
// command line, where the one tested parser also skips the program's own
// name: the ANSI one (and commandLine, the C runtime's cut of it) spells
// some names as other files' names. The show command is not used: the main
// dialog shows itself, centred.
#include "app/startup.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int showCommand)
{
    (void)previous;
    (void)commandLine;
    (void)showCommand;
    return KorvexMain(instance, GetCommandLineW());
}
