#pragma once

#include "ui/shaped_window.h"

// The hand that points at a console control; brought forward when shown, not kept on top.
class TForm_Hand final : public ShapedWindow {
    Q_OBJECT

public:
    TForm_Hand();

    // Where the index finger's tip lies in the window.
    static QPoint fingertip();
};
