#include "printing/printer_settings_commands.h"

#include "platform/dialogs.h"
#include "platform/gbk.h"
#include "platform/ini_settings.h"
#include "printing/print_settings.h"

void choosePrinter(Dialogs& dialogs, const IniSettings& settings)
{
    const std::optional<PrinterChoice> choice = dialogs.choosePrinter();
    if (!choice)
        return;
    settings.write(kPrintSection, kPrinterNameKey, toGbk(choice->printerName));
    settings.write(kPrintSection, kOrientationKey, choice->landscape ? "1" : "0");
}

void setDotDensity(Dialogs& dialogs, const IniSettings& settings)
{
    const std::optional<QString> typed = dialogs.inputText(
        QStringLiteral("修改点数"),
        QStringLiteral("在打印标签之前需要根据当前标签机的点数来决定打印出来的字体大小等信息，所以这个一定要根据您的打印机实际点数填写，一般的点数为203，如果不知道您的打印机点数，请保持默认！"),
        QStringLiteral("203"));
    if (!typed)
        return;
    settings.write(kPrintSection, kDotDensityKey, storedDotDensity(toGbk(*typed)));
}
