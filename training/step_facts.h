#pragma once

#include "sim/console_layout.h"
#include "sim/stage_pointer.h"
#include "sim/stage_tables.h"

#include <span>
#include <string>
#include <vector>

// What a step asks of the trainee, read from the model's own tables: the controls from the stage
// commands and the console layout, what completes it from the stage conditions.
namespace zun::training {

// A key's position in degrees: negative is turned left.
inline constexpr int TurnedLeft = -45;
inline constexpr int Upright = 0;
inline constexpr int TurnedRight = 45;

// One key the step turns. Left is forward, with the left mouse button; right is reverse, with
// the right one.
struct KeyAction {
    const console::Control *key;
    int angle;        // TurnedLeft or TurnedRight: where the step turns it
    int angle_before; // where it stands when every earlier step was done as described
    int turned_at;    // the step that left it there; 0 for a key still upright
    bool spring_return;
    bool has_ends; // its mechanism stops by itself at an end; otherwise it rotates
};

struct StepFacts {
    int stage;
    stages::StepControl first;
    // The keys in the order one mouse does them, as the step's actions list them.
    std::vector<KeyAction> keys;
    // The line stops the drive after a while when it does the step itself: the trainee stops it.
    bool stop_after_a_while;
    std::span<const stages::Test> condition;
};

// For steps 1..48; any other line has no facts.
StepFacts step_facts(int stage);

// "ПОСТ 1, пульт «Post1_Pult_4»" or "вкладка «ПОВОРОТНЫЙ СТОЛ»": where a control's page is.
std::string place_of(const console::Control &control);
// The name of a mechanism as its key's caption gives it, without the leading and trailing
// blanks; its number where it has no key.
std::string mech_name(int mech);

} // namespace zun::training
