#pragma once

#include "sim/Unit_simulator.h"

#include <QWidget>

// The main window: the scene of the line, the posts with their consoles and the commands, over
// the model it holds. Closing it only hides it.
class TForm_Main_ZUN final : public QWidget {
    Q_OBJECT

public:
    explicit TForm_Main_ZUN(zun::UiPort &ui_port, QWidget *parent = nullptr);
    ~TForm_Main_ZUN() override;

    zun::TSimulator sim;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();
};
