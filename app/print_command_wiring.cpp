#include "app/command_wiring.h"
#include "app/main_window.h"

void connectPrintCommands(MainWindow& /*window*/)
{
}
