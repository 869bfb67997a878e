#include "Unit_target.h"

#include "assets/pointer_art.h"

namespace {

constexpr int placing_interval = 100; // ms

} // namespace

TForm_Target::TForm_Target()
    : ShapedWindow(QStringLiteral("Form_Target"), {105, 105}, art::draw_target_marker,
                   Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus)
{
    connect(&Timer1, &QTimer::timeout, this, &TForm_Target::Timer1Timer);
    Timer1.start(placing_interval);
}

void TForm_Target::Timer1Timer()
{
    if (place_)
        place_();
}
