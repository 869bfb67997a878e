#pragma once

#include "console/console_frame.h"
#include "console/view_clock.h"

#include <array>

// An ammeter of a console: a dial and a needle that the trainer leaves at rest. What it shows
// belongs to the view alone.
class TFrame_Ampermeter final : public ConsoleFrame {
    Q_OBJECT

public:
    TFrame_Ampermeter(ViewClock &clock, QWidget *parent);

    void apply(const zun::console::Control &control);
    ViewTimer Timer_Visu;
    int Needle_Pos = 1;
    // Whether the needle picture of position 1..5 is shown.
    bool needle_visible(int position) const { return needles_visible_[position - 1]; }

    void Timer_VisuTimer();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::array<bool, 5> needles_visible_{true, true, true, true, true};
};
