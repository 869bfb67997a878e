#include "forms.h"

#include "app/Unit_start.h"
#include "sim/door.h"
#include "ui/Unit_blocking.h"
#include "ui/Unit_hand.h"
#include "ui/Unit_main.h"
#include "ui/Unit_status_mech_array.h"
#include "ui/Unit_steps.h"
#include "ui/Unit_target.h"
#include "ui/Unit_test.h"
#include "ui/Unit_videomenu.h"

Forms::Forms(zun::UiPort &ui_port)
    : sim_(ui_port),
      steps_(std::make_unique<TForm_Steps>(zun::Door(sim_, door_lock_, gate_))),
      test_(std::make_unique<TForm_Test>()), blocking_(std::make_unique<TForm_Blocking>()),
      status_(std::make_unique<TForm_Status_Mech_Array>(sim_)),
      target_(std::make_unique<TForm_Target>()), hand_(std::make_unique<TForm_Hand>()),
      video_menu_(std::make_unique<TVideoMenu>(ui_port)),
      main_(std::make_unique<TForm_Main_ZUN>(
          zun::Door(sim_, door_lock_, gate_),
          TForm_Main_ZUN::Windows{*steps_, *status_, *target_, *hand_})),
      start_(std::make_unique<TForm_Start>(ui_port, TForm_Start::Windows{*main_, *video_menu_}))
{
    target_->set_placing([this] { main_->f_Place_Target(); });
    gate_.set_on_held_back([this] { follow_model(); });
    sim_.add_observer(*this);
    start_->show();
}

Forms::~Forms()
{
    sim_.remove_observer(*this);
}

std::vector<QWidget *> Forms::windows() const
{
    return {start_.get(),  main_.get(),   steps_.get(), test_.get(),      blocking_.get(),
            status_.get(), target_.get(), hand_.get(),  video_menu_.get()};
}

void Forms::refresh()
{
    follow_model();
    sim_.deliver_to_views();
}

void Forms::set_frozen(bool frozen)
{
    gate_.set_open(!frozen);
    main_->set_paused(frozen);
}

void Forms::show_windows_as_model()
{
    main_->setVisible(sim_.b_Main_Window_Visible);
    if (sim_.b_Main_Window_Visible)
        main_->f_Place_As_Model();
    steps_->setVisible(sim_.b_Steps_Window_Visible);
}

void Forms::follow_model()
{
    main_->refresh_from_model();
    steps_->refresh_from_model();
}

// The door hands the model's requests over itself, once every observer has seen the input.
// While a replay plays through a locked door, its player refreshes the windows once it has
// played up to its moment, instead of after each input.
void Forms::input_applied(zun::Millis, const zun::Input &, const zun::Answer &)
{
    if (!door_lock_.locked())
        follow_model();
}
