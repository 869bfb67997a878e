#pragma once

#include "console/view_clock.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QLabel;

namespace zun {
class LineModel;
}

// The mechanism status window: mechanisms 1..79, one row each, with their limit switches and
// latches as four check boxes and their names, refreshed twice a second of `clock`.
class TForm_Status_Mech_Array final : public QWidget {
    Q_OBJECT

public:
    static constexpr int Rows = 79;

    TForm_Status_Mech_Array(const zun::LineModel &sim, ViewClock &clock);

    // Index 0 stays empty; the four columns: in the initial position, latched back, latched
    // forward, in the end position.
    std::array<std::array<QCheckBox *, Rows + 1>, 4> Check_Box{};
    std::array<QLabel *, Rows + 1> Label{};
    ViewTimer Timer_Status;

    void Timer_StatusTimer();

private:
    const zun::LineModel &sim_;
};
