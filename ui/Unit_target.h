#pragma once

#include "ui/shaped_window.h"

#include <QTimer>

#include <functional>

// The target marker, laid over the current mechanism's picture: kept on top, it places itself
// every 100 ms, shown or hidden, by the placing its owner gives it.
class TForm_Target final : public ShapedWindow {
    Q_OBJECT

public:
    TForm_Target();

    void set_placing(std::function<void()> place) { place_ = std::move(place); }
    void Timer1Timer();

    QTimer Timer1;

private:
    std::function<void()> place_;
};
