#include "app/command_wiring.h"
#include "app/main_window.h"
#include "printing/preview_window.h"
#include "printing/print_command.h"
#include "printing/printer_settings_commands.h"

void connectPrintCommands(MainWindow& window)
{
    window.setCommand(Command::Print, [&window] {
        printLabel(window.document(), window.settings(), window.dialogs(), window.screenDpiValue());
    });
    window.setCommand(Command::PrintPreview, [&window] { showPrintPreview(window.document(), &window); });
    window.setCommand(Command::PrinterSettings, [&window] { choosePrinter(window.dialogs(), window.settings()); });
    window.setCommand(Command::PrinterDpi, [&window] { setDotDensity(window.dialogs(), window.settings()); });
}
