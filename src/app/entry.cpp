// The program's entry. The file to open is taken from the whole command line,
// where the one tested parser also skips the program's own name; commandLine
// is the C runtime's own cut of it. The show command is not used: the main
// dialog shows itself, centred.
#include "app/startup.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int showCommand)
{
    (void)previous;
    (void)commandLine;
    (void)showCommand;
    return KorvexMain(instance, GetCommandLineA());
}
