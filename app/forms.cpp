#include "forms.h"

#include "app/Unit_start.h"
#include "ui/Unit_blocking.h"
#include "ui/Unit_hand.h"
#include "ui/Unit_main.h"
#include "ui/Unit_status_mech_array.h"
#include "ui/Unit_steps.h"
#include "ui/Unit_target.h"
#include "ui/Unit_test.h"
#include "ui/Unit_videomenu.h"

TForm_Start *Form_Start = nullptr;
TForm_Main_ZUN *Form_Main_ZUN = nullptr;
TForm_Steps *Form_Steps = nullptr;
TForm_Test *Form_Test = nullptr;
TForm_Blocking *Form_Blocking = nullptr;
TForm_Status_Mech_Array *Form_Status_Mech_Array = nullptr;
TForm_Target *Form_Target = nullptr;
TForm_Hand *Form_Hand = nullptr;
TVideoMenu *VideoMenu = nullptr;

namespace {

template <typename Form, typename... Arguments>
void create(std::unique_ptr<Form> &owner, Form *&reference, Arguments &&...arguments)
{
    owner = std::make_unique<Form>(std::forward<Arguments>(arguments)...);
    reference = owner.get();
}

} // namespace

Forms::Forms(zun::UiPort &ui_port)
{
    create(start_, Form_Start, ui_port);
    create(main_, Form_Main_ZUN, ui_port);
    create(steps_, Form_Steps, Form_Main_ZUN->sim);
    create(test_, Form_Test);
    create(blocking_, Form_Blocking);
    create(status_, Form_Status_Mech_Array, Form_Main_ZUN->sim);
    create(target_, Form_Target, Form_Main_ZUN->sim.scheduler,
           [] { Form_Main_ZUN->f_Place_Target(); });
    create(hand_, Form_Hand);
    create(video_menu_, VideoMenu, ui_port);
    Form_Start->attach_clock(Form_Main_ZUN->sim.scheduler); // its wipe ticks after every other
    Form_Start->show();
}

Forms::~Forms()
{
    Form_Start->detach_clock(); // the clock goes with the main window
    const auto destroy = [](auto &owner, auto *&reference) {
        owner.reset();
        reference = nullptr;
    };
    destroy(video_menu_, VideoMenu);
    destroy(hand_, Form_Hand);
    destroy(target_, Form_Target);
    destroy(status_, Form_Status_Mech_Array);
    destroy(blocking_, Form_Blocking);
    destroy(test_, Form_Test);
    destroy(steps_, Form_Steps);
    destroy(main_, Form_Main_ZUN);
    destroy(start_, Form_Start);
}

std::vector<QWidget *> Forms::windows() const
{
    return {start_.get(),  main_.get(),   steps_.get(), test_.get(),      blocking_.get(),
            status_.get(), target_.get(), hand_.get(),  video_menu_.get()};
}
