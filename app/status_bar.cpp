#include "app/status_bar.h"

#include "document/readout.h"

#include <QHBoxLayout>
#include <QLabel>

#include <array>

namespace {

constexpr std::array<int, 4> kFixedWidths = {250, 160, 160, 160};

} // namespace

StatusBar::StatusBar(QWidget* parent) : QWidget(parent)
{
    setAutoFillBackground(true);
    // Small enough that the clock's longest text fits its 250 pixels.
    QFont small = font();
    small.setPixelSize(11);
    setFont(small);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    const std::array<QString, kParts> start = {
        QStringLiteral("时钟："),
        QStringLiteral("wx= 0 mm,wy= 0 mm"),
        QStringLiteral("lx= 0 mm,ly= 0 mm"),
        QStringLiteral("sx= 0 mm,sy= 0 mm"),
        kClearedReadout,
    };
    for (int i = 0; i < kParts; ++i) {
        auto* label = new QLabel(start[static_cast<size_t>(i)], this);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setContentsMargins(2, 0, 2, 0);
        if (i < static_cast<int>(kFixedWidths.size()))
            label->setFixedWidth(kFixedWidths[static_cast<size_t>(i)]);
        else
            label->setMinimumWidth(1);
        layout->addWidget(label, i == kParts - 1 ? 1 : 0);
        parts_.append(label);
    }
}

void StatusBar::setPartText(int part, const QString& text)
{
    if (part >= 0 && part < parts_.size())
        parts_[part]->setText(text);
}

QString StatusBar::partText(int part) const
{
    return part >= 0 && part < parts_.size() ? parts_[part]->text() : QString();
}

int StatusBar::partWidth(int part) const
{
    return part >= 0 && part < parts_.size() ? parts_[part]->width() : 0;
}
