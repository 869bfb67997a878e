#include "Unit_target.h"

#include "assets/pointer_art.h"

namespace {

constexpr int placing_interval = 100; // ms

} // namespace

TForm_Target::TForm_Target(ViewClock &clock)
    : ShapedWindow(QStringLiteral("Form_Target"), {105, 105}, art::draw_target_marker,
                   Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus),
      Timer1(clock, placing_interval, ViewTimer::Shots::Repeated, [this] { Timer1Timer(); })
{
    Timer1.start();
}

void TForm_Target::Timer1Timer()
{
    if (place_)
        place_();
}
