#include "Unit_status_mech_array.h"

#include "sim/line_model.h"
#include "sim/texts.h"
#include "ui/window_setup.h"

#include <QCheckBox>
#include <QLabel>

namespace {

constexpr int refresh_interval = 500; // ms
constexpr int row_spacing = 15;
constexpr int columns[] = {10, 129, 249, 369};
constexpr int label_left = 485;
const char *const keyed_captions[] = {" в \"исходном\"", " условно\"назад\"", " условно\"вперёд\"",
                                      " в \"конечном\""};

} // namespace

TForm_Status_Mech_Array::TForm_Status_Mech_Array(const zun::LineModel &sim, ViewClock &clock)
    : QWidget(nullptr), Timer_Status(clock, refresh_interval, ViewTimer::Shots::Repeated,
                                     [this] { Timer_StatusTimer(); }),
      sim_(sim)
{
    setup_window(*this, QStringLiteral("Form_Status_Mech_Array"), {900, 700});
    QFont rows_font = font();
    rows_font.setPixelSize(11);
    setFont(rows_font);
    auto *content = new QWidget;
    content->resize(880, row_spacing * (Rows + 2) + 10);
    fill_with_scroll_area(*this, content);

    for (int j = 1; j <= Rows; ++j) {
        const QString number = QString::number(j);
        const std::string &name = sim.mechanism_name(j);
        const bool keyed = name != std::to_string(j) + zun::texts::does_not_exist;
        for (int column = 0; column < 4; ++column) {
            auto *box = new QCheckBox(number + (keyed ? QString::fromUtf8(keyed_captions[column])
                                                      : QStringLiteral("-------")),
                                      content);
            box->setGeometry(columns[column], row_spacing * j, 119, 20);
            Check_Box[column][j] = box;
        }
        Label[j] = new QLabel(QString::fromStdString(name), content);
        Label[j]->move(label_left, row_spacing * j);
        fit_label_to_text(*Label[j]);
    }
    Timer_Status.start();
}

// Indicators only: whatever the trainee clicked, the next tick shows the mechanism again.
void TForm_Status_Mech_Array::Timer_StatusTimer()
{
    for (int i = 1; i <= Rows; ++i) {
        const zun::TMech &mech = *sim_.Mech_Array[i];
        Check_Box[0][i]->setChecked(mech.bi_KV_RWS);
        Check_Box[1][i]->setChecked(mech.b_KM_RWS);
        Check_Box[2][i]->setChecked(mech.b_KM_FWD);
        Check_Box[3][i]->setChecked(mech.bi_KV_FWD);
    }
}
