#include "app/command_wiring.h"
#include "app/main_window.h"

void connectElementCommands(MainWindow& /*window*/)
{
}
