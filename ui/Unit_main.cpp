#include "Unit_main.h"

#include "ui/window_setup.h"

#include <QShowEvent>

TForm_Main_ZUN::TForm_Main_ZUN(zun::UiPort &ui_port, QWidget *parent)
    : QWidget(parent), sim(ui_port)
{
    setup_window(*this, QStringLiteral("Form_Main_ZUN"), {1024, 760});
}

// The window's widgets run timers on the model's clock: they go before the model does.
TForm_Main_ZUN::~TForm_Main_ZUN()
{
    qDeleteAll(findChildren<QWidget *>(Qt::FindDirectChildrenOnly));
}

void TForm_Main_ZUN::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

// Every showing puts the steps window back into the first working mode.
void TForm_Main_ZUN::FormShow()
{
    sim.f_Select_Working_Mode(0);
}
