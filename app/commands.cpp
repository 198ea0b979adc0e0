#include "app/commands.h"

bool toolbarCommand(int number, Command* command)
{
    switch (number) {
    case 1: *command = Command::NewLabel; return true;
    case 2: *command = Command::Open; return true;
    case 3: *command = Command::Save; return true;
    case 4: *command = Command::Print; return true;
    case 5: *command = Command::PrintPreview; return true;
    case 7: *command = Command::InsertText; return true;
    case 8: *command = Command::InsertPicture; return true;
    case 9: *command = Command::InsertBarcode; return true;
    case 10: *command = Command::InsertQrCode; return true;
    case 12: *command = Command::Exit; return true;
    default: return false;
    }
}
