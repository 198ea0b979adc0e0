#include "platform/dialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

// Qt breaks lines at "\n"; a "\r" left in would show as a stray glyph on some styles.
QString shown(const QString& text)
{
    QString result = text;
    result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return result;
}

void showBox(QWidget* owner, QMessageBox::Icon icon, const QString& title, const QString& text)
{
    QMessageBox box(icon, title, shown(text), QMessageBox::Ok, owner);
    box.exec();
}

QString withDefaultExtension(const QString& path, const QString& extension)
{
    if (path.isEmpty() || extension.isEmpty() || !QFileInfo(path).suffix().isEmpty())
        return path;
    return path + QLatin1Char('.') + extension;
}

} // namespace

QString qtFileFilter(const QString& filter)
{
    // Pairs of description and pattern; Qt wants only the descriptions, which carry the patterns.
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i < parts.size(); i += 2)
        filters << parts[i];
    return filters.join(QStringLiteral(";;"));
}

bool QtDialogs::ask(const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::Question, title, shown(text), QMessageBox::Yes | QMessageBox::No, owner_);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

void QtDialogs::error(const QString& title, const QString& text)
{
    showBox(owner_, QMessageBox::Critical, title, text);
}

void QtDialogs::information(const QString& title, const QString& text)
{
    showBox(owner_, QMessageBox::Information, title, text);
}

void QtDialogs::message(const QString& title, const QString& text)
{
    showBox(owner_, QMessageBox::NoIcon, title, text);
}

std::optional<QString> QtDialogs::inputText(const QString& title, const QString& prompt, const QString& initial)
{
    bool ok = false;
    const QString text = QInputDialog::getText(owner_, title, prompt, QLineEdit::Normal, initial, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

std::optional<QString> QtDialogs::openFile(const QString& title, const QString& filter, const QString& folder,
                                           const QString& defaultExtension)
{
    Q_UNUSED(defaultExtension);
    const QString path = QFileDialog::getOpenFileName(owner_, title, folder, qtFileFilter(filter));
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

std::optional<QString> QtDialogs::saveFile(const QString& title, const QString& filter, const QString& folder,
                                           const QString& fileName, const QString& defaultExtension)
{
    const QString start = fileName.isEmpty() ? folder : folder + QLatin1Char('/') + fileName;
    const QString path = QFileDialog::getSaveFileName(owner_, title, start, qtFileFilter(filter));
    if (path.isEmpty())
        return std::nullopt;
    return withDefaultExtension(path, defaultExtension);
}

std::optional<QFont> QtDialogs::chooseFont(const QFont& initial)
{
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, initial, owner_);
    if (!ok)
        return std::nullopt;
    return font;
}

std::optional<PrinterChoice> QtDialogs::choosePrinter()
{
    // Opened on the current default printer, whatever printer the label settings name; a system
    // without a default offers its first printer, one without printers has nothing to choose.
    QPrinterInfo start = QPrinterInfo::defaultPrinter();
    if (start.isNull()) {
        const QStringList names = QPrinterInfo::availablePrinterNames();
        if (names.isEmpty())
            return std::nullopt;
        start = QPrinterInfo::printerInfo(names.first());
    }
    QPrinter printer(start);
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setCopyCount(1);
    QPrintDialog dialog(&printer, owner_);
    // Printer, paper and orientation only: no page range, no selection, no printing to a file.
    dialog.setOptions(QAbstractPrintDialog::PrintShowPageSize);
    if (dialog.exec() != QDialog::Accepted || printer.printerName().isEmpty())
        return std::nullopt;
    return PrinterChoice{printer.printerName(), printer.pageLayout().orientation() == QPageLayout::Landscape};
}
