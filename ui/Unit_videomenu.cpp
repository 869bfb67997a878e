#include "Unit_videomenu.h"

#include "sim/ui_port.h"
#include "ui/window_setup.h"

#include <QPushButton>

namespace {

struct Clip {
    int left;
    int top;
    const char *caption;
    const char *file;
};

constexpr Clip clips[] = {
    {24, 40, "ролик  о способах навигации в программе", "video_navigation.avi"},
    {24, 71, "ролик о работе ключами  на постах", "video_key_work.avi"},
    {29, 102, "ролик о пошаговом выполнении операций одной кнопкой",
     "video_one_button_by_step.avi"},
    {24, 133, "ролик о мгновенном переходе к любой стадии работы", "video_jump_to_any_step.avi"},
    {24, 164, "ролик об автоматической демонстрации работы агрегата", "video_full_auto.avi"},
};

} // namespace

TVideoMenu::TVideoMenu(zun::UiPort &ui_port) : QWidget(nullptr)
{
    setup_window(*this, QStringLiteral("VideoMenu"), {353, 215});
    for (std::size_t i = 0; i < std::size(clips); ++i) {
        const Clip &clip = clips[i];
        auto *button = new QPushButton(QString::fromUtf8(clip.caption), this);
        button->setObjectName(QStringLiteral("Button%1").arg(i + 1));
        button->setGeometry(clip.left, clip.top, 316, 25);
        connect(button, &QPushButton::clicked, this,
                [&ui_port, file = clip.file] { ui_port.open_document("video", file); });
        Buttons[i] = button;
    }
}
