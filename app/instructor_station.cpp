#include "instructor_station.h"

#include "app/clock_driver.h"
#include "app/forms.h"
#include "ui/Unit_main.h"

InstructorStation::InstructorStation(Forms &forms, ClockDriver &clock)
    : forms_(forms), settings_(QSettings::IniFormat, QSettings::UserScope,
                               QStringLiteral("zun-trainer"), QStringLiteral("instructor")),
      pin_(settings_), window_(zun::Door(forms.sim()), pin_)
{
    forms.sim().add_observer(window_);
    QObject::connect(&window_, &InstructorWindow::freeze_requested, &clock,
                     &ClockDriver::set_frozen);
    QObject::connect(&window_, &InstructorWindow::speed_requested, &clock, &ClockDriver::set_speed);
    QObject::connect(&clock, &ClockDriver::frozen_changed, &window_, [this](bool frozen) {
        forms_.set_frozen(frozen);
        window_.show_frozen(frozen);
    });
    QObject::connect(&clock, &ClockDriver::advanced, &window_, [this] {
        if (window_.isVisible())
            window_.refresh_from_model();
    });
    QObject::connect(&forms.main(), &TForm_Main_ZUN::instructor_requested, &window_,
                     [this] { window_.open_on_request(&forms_.main()); });
}

InstructorStation::~InstructorStation()
{
    forms_.sim().remove_observer(window_);
}

bool InstructorStation::asked_for(const QStringList &arguments)
{
    return arguments.contains(QStringLiteral("--instructor"));
}
