#pragma once

// Every command that a menu item or a toolbar button starts. Commands of later parts of the editor
// are connected with MainWindow::setCommand; until then they do nothing.
enum class Command {
    Open,
    Close,
    Save,
    SaveAs,
    Print,
    PrintPreview,
    PrinterSettings,
    PrinterDpi,
    Exit,
    NewLabel,
    ResizeLabel,
    InsertText,
    InsertPicture,
    InsertBarcode,
    InsertQrCode,
    Rotate0,
    Rotate90,
    Rotate180,
    Rotate270,
    Delete,
    Properties,
    About,
};

// The command of toolbar button number 0-12; none for the separators 0, 6 and 11.
bool toolbarCommand(int number, Command* command);
