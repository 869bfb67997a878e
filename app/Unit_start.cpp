#include "Unit_start.h"

#include "app/forms.h"
#include "app/start_controls.h"
#include "sim/texts.h"
#include "ui/Unit_main.h"
#include "ui/window_setup.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QPushButton>

namespace {

const QColor silver(192, 192, 192);
constexpr int pressed_pen_width = 5;

} // namespace

TForm_Start::TForm_Start(QWidget *parent)
    : QWidget(parent), Shape2(new TShape(TShape::Outline::Ellipse, silver, this)),
      Label1(new TRotatedLabel(QString::fromUtf8(zun::texts::Main_Window_Button), 20, 4.5, this)),
      Button2(new QPushButton(QStringLiteral("X"), this))
{
    setup_window(*this, QStringLiteral("Form_Start"), {679, 358}, Qt::FramelessWindowHint);
    setAutoFillBackground(true);
    QPalette white_background = palette();
    white_background.setColor(QPalette::Window, Qt::white);
    setPalette(white_background);

    Shape2->setGeometry(385, 271, 113, 77);
    Label1->setGeometry(367, 313, 122, 26);
    for (PressableControl *control :
         {static_cast<PressableControl *>(Shape2), static_cast<PressableControl *>(Label1)}) {
        control->on_press = [this] { Shape2MouseDown(); };
        control->on_release = [this] { Shape2MouseUp(); };
    }

    Button2->setGeometry(610, 24, 31, 25);
    QFont bold = Button2->font();
    bold.setBold(true);
    bold.setPixelSize(27);
    Button2->setFont(bold);
    connect(Button2, &QPushButton::clicked, this, &QWidget::close);
}

void TForm_Start::closeEvent(QCloseEvent *event)
{
    event->accept();
    QCoreApplication::quit();
}

void TForm_Start::Shape2MouseDown()
{
    Shape2->set_pen_width(pressed_pen_width);
}

void TForm_Start::Shape2MouseUp()
{
    Shape2->set_pen_width(1);
    Form_Main_ZUN->show();
    Form_Main_ZUN->raise();
    Form_Main_ZUN->activateWindow();
}
