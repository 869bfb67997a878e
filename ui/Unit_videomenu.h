#pragma once

#include <QWidget>

#include <array>

class QPushButton;

namespace zun {
class UiPort;
}

// The menu of the training videos: each button asks the shell to play one clip.
class TVideoMenu final : public QWidget {
    Q_OBJECT

public:
    explicit TVideoMenu(zun::UiPort &ui_port);

    std::array<QPushButton *, 5> Buttons{}; // Button1 .. Button5
};
