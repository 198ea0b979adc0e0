#include "app/command_wiring.h"

void connectEditorCommands(MainWindow& window)
{
    connectElementCommands(window);
    connectFileCommands(window);
    connectPrintCommands(window);
}
