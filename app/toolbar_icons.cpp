#include "app/toolbar_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

constexpr int kSize = 32;

void page(QPainter& p)
{
    QPainterPath path;
    path.moveTo(7, 3);
    path.lineTo(20, 3);
    path.lineTo(26, 9);
    path.lineTo(26, 29);
    path.lineTo(7, 29);
    path.closeSubpath();
    p.setBrush(Qt::white);
    p.setPen(QPen(QColor(70, 70, 70), 1.5));
    p.drawPath(path);
    p.drawLine(QPointF(20, 3), QPointF(20, 9));
    p.drawLine(QPointF(20, 9), QPointF(26, 9));
}

void star(QPainter& p)
{
    p.setPen(QPen(QColor(230, 160, 0), 2.5));
    p.drawLine(QPointF(24, 18), QPointF(24, 30));
    p.drawLine(QPointF(18, 24), QPointF(30, 24));
}

QPixmap drawn(int number)
{
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor blue(30, 100, 200);
    switch (number) {
    case 1: // new label
        page(p);
        star(p);
        break;
    case 2: // open: a folder
        p.setPen(QPen(QColor(150, 110, 20), 1.5));
        p.setBrush(QColor(240, 200, 90));
        p.drawRect(QRectF(3, 9, 26, 18));
        p.drawRect(QRectF(3, 6, 10, 4));
        break;
    case 3: // save: a disk
        p.setPen(QPen(blue.darker(), 1.5));
        p.setBrush(blue);
        p.drawRoundedRect(QRectF(4, 4, 24, 24), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(9, 4, 14, 9));
        p.drawRect(QRectF(8, 18, 16, 10));
        break;
    case 4: // print: a printer
    case 5: // preview: a printer page with a lens
        p.setPen(QPen(QColor(60, 60, 60), 1.5));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(9, 3, 14, 10));
        p.setBrush(QColor(150, 150, 150));
        p.drawRoundedRect(QRectF(3, 12, 26, 11), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(9, 19, 14, 10));
        if (number == 5) {
            p.setPen(QPen(blue, 2.5));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QPointF(20, 20), 6, 6);
            p.drawLine(QPointF(24.5, 24.5), QPointF(30, 30));
        }
        break;
    case 7: { // insert text: a bold "A"
        page(p);
        QFont font;
        font.setBold(true);
        font.setPixelSize(16);
        p.setFont(font);
        p.setPen(Qt::black);
        p.drawText(QRectF(7, 9, 19, 20), Qt::AlignCenter, QStringLiteral("A"));
        break;
    }
    case 8: // insert picture: hills and a sun
        p.setPen(QPen(QColor(60, 60, 60), 1.5));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(3, 5, 26, 22));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 150, 60));
        p.drawPolygon(QPolygonF({QPointF(4, 26), QPointF(13, 14), QPointF(19, 21), QPointF(23, 17), QPointF(28, 26)}));
        p.setBrush(QColor(240, 180, 0));
        p.drawEllipse(QPointF(22, 11), 3, 3);
        break;
    case 9: { // insert barcode: bars
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        const int widths[] = {2, 1, 3, 1, 2, 1, 1, 3, 2, 1};
        int x = 4;
        for (int i = 0; i < 10; ++i) {
            if (i % 2 == 0)
                p.drawRect(QRect(x, 5, widths[i], 22));
            x += widths[i] + 1;
        }
        break;
    }
    case 10: { // insert QR code: three finder squares
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        for (const QPoint corner : {QPoint(3, 3), QPoint(19, 3), QPoint(3, 19)}) {
            p.drawRect(QRect(corner, QSize(10, 10)));
            p.setBrush(Qt::white);
            p.drawRect(QRect(corner + QPoint(2, 2), QSize(6, 6)));
            p.setBrush(Qt::black);
            p.drawRect(QRect(corner + QPoint(4, 4), QSize(2, 2)));
        }
        p.drawRect(QRect(20, 20, 3, 3));
        p.drawRect(QRect(25, 25, 4, 4));
        p.drawRect(QRect(25, 19, 3, 3));
        break;
    }
    case 12: // exit: a door with an arrow
        p.setPen(QPen(QColor(90, 60, 30), 1.5));
        p.setBrush(QColor(190, 140, 90));
        p.drawRect(QRectF(5, 3, 14, 26));
        p.setPen(QPen(QColor(200, 30, 30), 2.5));
        p.drawLine(QPointF(14, 16), QPointF(29, 16));
        p.drawLine(QPointF(24, 11), QPointF(29, 16));
        p.drawLine(QPointF(24, 21), QPointF(29, 16));
        break;
    default:
        break;
    }
    return pixmap;
}

const char* themeName(int number)
{
    switch (number) {
    case 1: return "document-new";
    case 2: return "document-open";
    case 3: return "document-save";
    case 4: return "document-print";
    case 5: return "document-print-preview";
    case 7: return "insert-text";
    case 8: return "insert-image";
    case 12: return "application-exit";
    default: return nullptr; // no theme has barcodes or QR codes
    }
}

} // namespace

QIcon toolbarIcon(int number)
{
    const QIcon fallback(drawn(number));
    const char* name = themeName(number);
    if (!name)
        return fallback;
    return QIcon::fromTheme(QString::fromLatin1(name), fallback);
}
