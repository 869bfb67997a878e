#pragma once

#include "sim/scheduler.h"

#include <QWidget>

#include <array>

class CaptionLabel;

namespace zun::console {
struct Control;
}

// An ammeter of a console: a dial and a needle that the trainer leaves at rest.
class TFrame_Ampermeter final : public QWidget {
    Q_OBJECT

public:
    TFrame_Ampermeter(zun::Scheduler &scheduler, QWidget *parent);

    void apply(const zun::console::Control &control);

    CaptionLabel *Label1;
    zun::Timer Timer_Visu;
    int Needle_Pos = 1;
    // Whether the needle picture of position 1..5 is shown.
    bool needle_visible(int position) const { return needles_visible_[position - 1]; }

    void Timer_VisuTimer();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::array<bool, 5> needles_visible_{true, true, true, true, true};
};
