#pragma once

#include <QWidget>

class CaptionLabel;

namespace zun::console {
struct Control;
}

// A signal lamp of a console; it never lights in the trainer.
class TFrame_Lamp final : public QWidget {
    Q_OBJECT

public:
    explicit TFrame_Lamp(QWidget *parent);

    void apply(const zun::console::Control &control);

    CaptionLabel *Label1;

protected:
    void paintEvent(QPaintEvent *event) override;
};
