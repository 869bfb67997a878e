#pragma once

// The control a step begins with, read from the step's commands: where the next-step pointers
// lead the trainee, and what the step's explanation starts from.
namespace zun::stages {

struct StepControl {
    enum class Kind {
        None,          // the step needs no control: it completes by itself
        Key,           // a console key, of `mech`
        NewCoilButton, // "поставить новый рулон" of the main window
        Bell,          // the bell button "звонок"
    };
    Kind kind = Kind::None;
    int mech = 0;
};

// The control a step begins with: the new-coil button, the bell, or the key of its first action;
// none for a step without keys and for a stage outside 0..48.
StepControl first_control(int stage);

} // namespace zun::stages
