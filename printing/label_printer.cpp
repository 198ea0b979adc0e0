#include "printing/label_printer.h"

#include "printing/page_painter.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

// Qt's landscape transposes the page size it is given, so the page is described as it comes out,
// its width across and its height down, and kept upright; planPage has already chosen which way
// the label lies on it.
QPageLayout pageLayoutOf(const PagePlan& plan)
{
    const QPageSize size(QSizeF(plan.pagePixels.width() / 10.0, plan.pagePixels.height() / 10.0),
        QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
    return QPageLayout(size, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

bool paintOn(QPaintDevice& device, const LabelPage& page, const PagePlan& plan)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.setTransform(labelToDevice(plan, device.logicalDpiX()));
    paintLabelPage(painter, page);
    return painter.end();
}

} // namespace

QString printFailureTitle()
{
    return QStringLiteral("打印失败");
}

QString printFailureText(PrintResult result)
{
    switch (result) {
    case PrintResult::NoSuchPrinter:
        return QStringLiteral("打印失败，无法指定需要用于标签打印的打印机！");
    case PrintResult::CannotStart:
        return QStringLiteral("打印失败，当前无法开始打印！");
    case PrintResult::Printed:
        break;
    }
    return QString();
}

QString printJobName()
{
    return QStringLiteral("标签打印");
}

PrintResult printLabelPage(const LabelPage& page, const QString& printerName, int orientation)
{
    // No name at all is what a system without a default printer gives: nothing can start.
    if (printerName.isEmpty())
        return PrintResult::CannotStart;
    // Checked first: a printer set up by a name that does not exist silently prints on the default.
    const QPrinterInfo info = QPrinterInfo::printerInfo(printerName);
    if (info.isNull())
        return PrintResult::NoSuchPrinter;
    const PagePlan plan = planPage(page.labelPixels, orientation);
    if (plan.pagePixels.isEmpty())
        return PrintResult::CannotStart;

    QPrinter printer(info, QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::NativeFormat);
    printer.setDocName(printJobName());
    printer.setCopyCount(1);
    printer.setFullPage(true);
    if (!printer.setPageLayout(pageLayoutOf(plan)))
        return PrintResult::CannotStart;
    return paintOn(printer, page, plan) ? PrintResult::Printed : PrintResult::CannotStart;
}

bool exportLabelPdf(const LabelPage& page, const QString& path, int orientation)
{
    const PagePlan plan = planPage(page.labelPixels, orientation);
    if (plan.pagePixels.isEmpty())
        return false;
    QPdfWriter writer(path);
    writer.setResolution(1200);
    writer.setTitle(printJobName());
    writer.setCreator(QStringLiteral("Vortelle"));
    if (!writer.setPageLayout(pageLayoutOf(plan)))
        return false;
    return paintOn(writer, page, plan);
}
