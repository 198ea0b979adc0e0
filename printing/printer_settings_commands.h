#pragma once

class Dialogs;
class IniSettings;

// 打印设置: the print setup dialog, opened on the system's current default printer; once confirmed,
// label.ini [Print] N = the chosen printer and then D = "1" for landscape or "0" for portrait.
// Cancel writes nothing. The system's default printer is not changed.
void choosePrinter(Dialogs& dialogs, const IniSettings& settings);

// 打印点数: the input box "修改点数", always proposing "203"; once confirmed, R = the typed text,
// or "203" when its number is negative. Cancel writes nothing.
void setDotDensity(Dialogs& dialogs, const IniSettings& settings);
