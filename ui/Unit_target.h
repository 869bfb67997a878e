#pragma once

#include "sim/scheduler.h"
#include "ui/shaped_window.h"

#include <functional>

// The target marker, laid over the current mechanism's picture: kept on top, it places itself
// every 100 ms, shown or hidden.
class TForm_Target final : public TShapedWindow {
    Q_OBJECT

public:
    TForm_Target(zun::Scheduler &scheduler, std::function<void()> place);

    zun::Timer Timer1;
};
