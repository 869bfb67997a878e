#pragma once

#include "console/console_frame.h"

namespace zun::console {
struct Control;
}

// A signal lamp of a console; it never lights in the trainer.
class TFrame_Lamp final : public ConsoleFrame {
    Q_OBJECT

public:
    explicit TFrame_Lamp(QWidget *parent);

    void apply(const zun::console::Control &control);

protected:
    void paintEvent(QPaintEvent *event) override;
};
