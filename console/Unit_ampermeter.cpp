#include "Unit_ampermeter.h"

#include "assets/console_art.h"
#include "assets/picture_cache.h"
#include "console/caption_label.h"
#include "sim/console_layout.h"

#include <QPainter>

namespace {

constexpr int needle_interval = 1000; // ms
const QRect dial_place(0, 0, 80, 55);
const QRect case_place(0, 0, 84, 55);
const QString no_currents = QStringLiteral("в программе токи не оотображаются");

} // namespace

TFrame_Ampermeter::TFrame_Ampermeter(ViewClock &clock, QWidget *parent)
    : ConsoleFrame(parent, {84, 80}),
      Timer_Visu(clock, needle_interval, ViewTimer::Shots::Repeated, [this] { Timer_VisuTimer(); })
{
    setToolTip(no_currents); // the case
    Label1->setGeometry(0, 55, 84, 25);
    Label1->setText(QStringLiteral("Label1"));
    Label1->setToolTip(no_currents);
    Timer_Visu.start();
}

void TFrame_Ampermeter::apply(const zun::console::Control &control)
{
    move(control.left, control.top);
    Label1->show_caption(control);
}

void TFrame_Ampermeter::Timer_VisuTimer()
{
    for (int position = 1; position <= static_cast<int>(needles_visible_.size()); ++position)
        needles_visible_[position - 1] = position == Needle_Pos;
    update();
}

void TFrame_Ampermeter::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), art::console_panel);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(250, 248, 236));
    painter.drawRoundedRect(QRectF(case_place).adjusted(2, 2, -2, -2), 6, 6);
    painter.drawPixmap(dial_place.topLeft(),
                       art::cached(QStringLiteral("ammeter_dial"), dial_place.size(),
                                   devicePixelRatioF(), art::draw_ammeter_dial));
    for (int position = 1; position <= static_cast<int>(needles_visible_.size()); ++position) {
        if (!needle_visible(position))
            continue;
        painter.drawPixmap(dial_place.topLeft(),
                           art::cached(QStringLiteral("ammeter_needle_%1").arg(position),
                                       dial_place.size(), devicePixelRatioF(),
                                       [position](QPainter &p, QSizeF size) {
                                           art::draw_ammeter_needle(p, size, position);
                                       }));
    }
    painter.setPen(QPen(QColor(40, 40, 40), 3));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(case_place).adjusted(1.5, 1.5, -1.5, -1.5), 6, 6);
}
