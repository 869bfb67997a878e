#pragma once

#include "console/view_clock.h"
#include "ui/shaped_window.h"

#include <functional>

// The target marker, laid over the current mechanism's picture: kept on top, it places itself
// every 100 ms of `clock`, shown or hidden, by the placing its owner gives it.
class TForm_Target final : public ShapedWindow {
    Q_OBJECT

public:
    explicit TForm_Target(ViewClock &clock);

    void set_placing(std::function<void()> place) { place_ = std::move(place); }
    void Timer1Timer();

    ViewTimer Timer1;

private:
    std::function<void()> place_;
};
