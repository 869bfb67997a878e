#pragma once

#include "sim/door.h"

#include <QListWidget>
#include <QWidget>

#include <array>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QStackedLayout;

// The scenario's list: a line chosen by the mouse or by the keyboard is a click; a line the
// program selects is not.
class StepsList final : public QListWidget {
    Q_OBJECT

public:
    using QListWidget::QListWidget;

    std::function<void(int line)> on_click;

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};

// The steps window: the 48 steps with the current one selected, the working modes, the button
// that passes the current stage or starts the automatic run, "стоп", and an explanation page per
// step. It stays on top and reads the model once a second through the model's poll.
class TForm_Steps final : public QWidget {
    Q_OBJECT

public:
    static constexpr int page_count = 51;

    explicit TForm_Steps(zun::Door door);

    StepsList *ListBox_Steps;
    QLineEdit *Edit_CheckBox_stadiya_raboti;
    QPushButton *Button1; // "стоп"
    QLabel *mistake_label;
    QButtonGroup *RadioGroup1;
    QPushButton *Button_f_switch_Iskusstvenno_Proyti_Tekuschuyu_Stadiyu;
    std::array<QPlainTextEdit *, page_count> Memo_Array{}; // filled at every show

    // The page on top of the explanation area.
    QPlainTextEdit *top_page() const;

    // Brings the controls up to the model.
    void refresh_from_model();
    // Says beside the stage what the trainee's last operation did wrong; empty says nothing.
    void show_mistake_notice(const QString &text);

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void build_pages(QWidget *content);
    void build_modes(QWidget *content);
    void ListBox_StepsClick(int line);
    void raise_page(int line);

    zun::Door door_;
    const zun::LineModel &sim_;
    QWidget *Panel1;
    std::array<QPlainTextEdit *, page_count> pages_by_number_{};
    unsigned polls_seen_ = 0;
    int stage_explained_ = -1; // the stage whose page was last brought up by the poll
};
