#include "Unit_target.h"

#include "assets/pointer_art.h"

namespace {

constexpr zun::Millis placing_interval = 100;

} // namespace

TForm_Target::TForm_Target(zun::Scheduler &scheduler, std::function<void()> place)
    : TShapedWindow(QStringLiteral("Form_Target"), {105, 105}, art::draw_target_marker,
                    Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus),
      Timer1(scheduler, placing_interval, std::move(place))
{
    Timer1.set_enabled(true);
}
