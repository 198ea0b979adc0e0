#include "app/command_wiring.h"
#include "app/main_window.h"
#include "files/file_commands.h"

void connectFileCommands(MainWindow& window)
{
    auto* commands = new FileCommands(FileCommandsEnvironment{&window.document(), &window.dialogs(), &window.clock(),
                                                              &window.settings(), window.paths().labFolder, &window},
                                      &window);
    window.setCommand(Command::Save, [commands] { commands->save(); });
    window.setCommand(Command::SaveAs, [commands] { commands->saveAs(); });
    window.setCommand(Command::Open, [commands] { commands->open(); });
    window.setCommand(Command::NewLabel, [commands] { commands->newLabel(); });
    window.setCommand(Command::ResizeLabel, [commands] { commands->resizeLabel(); });
}
