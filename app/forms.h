#pragma once

#include <memory>
#include <vector>

class QWidget;
class TForm_Start;
class TForm_Main_ZUN;
class TForm_Steps;
class TForm_Test;
class TForm_Blocking;
class TForm_Status_Mech_Array;
class TForm_Target;
class TForm_Hand;
class TVideoMenu;

namespace zun {
class UiPort;
}

// The program's windows, one of each, reachable from everywhere while they exist.
extern TForm_Start *Form_Start;
extern TForm_Main_ZUN *Form_Main_ZUN;
extern TForm_Steps *Form_Steps;
extern TForm_Test *Form_Test;
extern TForm_Blocking *Form_Blocking;
extern TForm_Status_Mech_Array *Form_Status_Mech_Array;
extern TForm_Target *Form_Target;
extern TForm_Hand *Form_Hand;
extern TVideoMenu *VideoMenu;

// Creates the nine windows in their fixed order, each reference set as soon as its window
// exists, and destroys them in the reverse order, clearing the references. The order matters:
// the start window comes first, and windows made after the main window may read it.
class Forms {
public:
    explicit Forms(zun::UiPort &ui_port);
    Forms(const Forms &) = delete;
    Forms &operator=(const Forms &) = delete;
    ~Forms();

    // The nine windows in creation order.
    std::vector<QWidget *> windows() const;

private:
    std::unique_ptr<TForm_Start> start_;
    std::unique_ptr<TForm_Main_ZUN> main_;
    std::unique_ptr<TForm_Steps> steps_;
    std::unique_ptr<TForm_Test> test_;
    std::unique_ptr<TForm_Blocking> blocking_;
    std::unique_ptr<TForm_Status_Mech_Array> status_;
    std::unique_ptr<TForm_Target> target_;
    std::unique_ptr<TForm_Hand> hand_;
    std::unique_ptr<TVideoMenu> video_menu_;
};
