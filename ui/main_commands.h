#pragma once

#include "sim/door.h"

#include <QWidget>

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class TForm_Status_Mech_Array;
class TForm_Steps;
class WrappedButton;

// The main window's own commands and the current-mechanism panel, placed in its client area:
// they read the model at every refresh and hand the trainee's presses to it.
class MainCommands final : public QObject {
    Q_OBJECT

public:
    // The windows the commands bring up.
    struct Windows {
        TForm_Steps &steps;
        TForm_Status_Mech_Array &status;
    };

    MainCommands(zun::Door door, Windows windows, QWidget *client);

    QPushButton *Button_Steps;
    QComboBox *ComboBox_Find_Mech;
    QLabel *Label_Current_Step;
    QLabel *mistake_label; // under the step line: what the trainee's last operation did wrong
    QPushButton *Button_Get_Rulon;
    QPushButton *Button_Form_Status_Mech_Array;
    WrappedButton *Button_f_switch_Iskusstvenno_Proyti_Tekuschuyu_Stadiyu;
    QWidget *Panel1;
    QLabel *panel1_caption;
    QCheckBox *CheckBox_bi_KV_RWS;
    QCheckBox *CheckBox_b_KM_RWS;
    QCheckBox *CheckBox_b_KM_FWD;
    QCheckBox *CheckBox_bi_KV_FWD;

    // Brings the controls up to the model.
    void refresh();
    // Says under the step line what went wrong; empty says nothing.
    void show_mistake_notice(const QString &text);

private:
    void build_find_box();
    void build_panel1();
    void find_text_edited(const QString &text);
    void pick(int index);

    zun::Door door_;
    const zun::LineModel &sim_;
};
