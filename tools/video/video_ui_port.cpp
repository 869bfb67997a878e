#include "video_ui_port.h"

#include "app/forms.h"
#include "ui/Unit_main.h"

#include <QMessageBox>

void VideoUiPort::message_box(const std::string &text)
{
    if (!forms_)
        return;
    auto *box = new QMessageBox(QMessageBox::Information, QStringLiteral("Project_ZUN"),
                                QString::fromStdString(text), QMessageBox::Ok, &forms_->main());
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->show();
    boxes_.emplace_back(box);
}

void VideoUiPort::close_message_boxes()
{
    for (const QPointer<QMessageBox> &box : boxes_)
        if (box)
            box->close();
    boxes_.clear();
}

bool VideoUiPort::message_box_shown() const
{
    for (const QPointer<QMessageBox> &box : boxes_)
        if (box && box->isVisible())
            return true;
    return false;
}
