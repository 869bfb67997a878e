#include "tools/video/caption_check.h"

#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

// A steps window with a button, a page that is not in front with a key's caption on it, and a
// window that can be brought over the steps window.
class CaptionCheckTest : public testing::Test {
protected:
    QWidget steps;
    QWidget other;
    QPushButton *pass = new QPushButton(QStringLiteral("пройти  стадию"), &steps);
    QWidget *page = new QWidget(&steps);
    QLabel *key = new QLabel(QStringLiteral("1 телега"), page);

    void SetUp() override
    {
        steps.setObjectName(QStringLiteral("Form_Steps"));
        other.setObjectName(QStringLiteral("Form_Hand"));
        for (QWidget *window : {&steps, &other})
            window->setWindowFlags(Qt::FramelessWindowHint);
        steps.setGeometry(500, 240, 700, 500);
        pass->setGeometry(20, 20, 200, 30);
        page->setGeometry(20, 100, 300, 200);
        key->setGeometry(10, 10, 120, 40);
        steps.show();
        page->hide();
        other.setGeometry(0, 0, 100, 100);
        other.show();
    }
    QStringList problems(const QString &caption)
    {
        return video::caption_problems({0, {&steps, &other}, {QPointF(), {}, caption}});
    }
};

struct Case {
    const char *what;
    const char *caption;
    QRect other_place; // where the window above the steps window stands
    bool page_in_front;
    const char *problem; // a part of the one problem told, or nothing
};

const Case cases[] = {
    {"AWindowInSight", "Окно шагов показывает пояснение", {0, 0, 100, 100}, false, nullptr},
    {"AWindowCovered", "Окно шагов показывает пояснение", {500, 240, 600, 400}, false,
     "covered by Form_Hand"},
    {"AWindowPartlyCoveredIsInSight", "В окне шагов пояснение", {500, 240, 200, 200}, false,
     nullptr},
    {"AButtonInSight", "Кнопка «пройти стадию»", {0, 0, 100, 100}, false, nullptr},
    {"AButtonCovered", "Кнопка «пройти стадию»", {510, 250, 300, 60}, false, "covered"},
    {"AKeyOnAPageBehind", "Шаг 3: «1 телега» влево", {0, 0, 100, 100}, false, "not shown"},
    {"AKeyOnThePageInFront", "Шаг 3: «1 телега» влево", {0, 0, 100, 100}, true, nullptr},
    {"NoControlOfThatName", "Способ «шаг за шагом»", {0, 0, 100, 100}, false, nullptr},
    {"AQuotedButtonIsNoWindow", "Кнопка «главное окно» на заставке", {0, 0, 100, 100}, false,
     nullptr},
    {"AWindowNamedButAbsent", "Главное окно открыто", {0, 0, 100, 100}, false,
     "no such window"},
    {"NoCaption", "", {500, 240, 700, 500}, false, nullptr},
};

class CaptionCheckCases : public CaptionCheckTest, public testing::WithParamInterface<Case> {};

TEST_P(CaptionCheckCases, WhatTheCaptionNamesIsInSight)
{
    const Case &c = GetParam();
    other.setGeometry(c.other_place);
    page->setVisible(c.page_in_front);
    const QStringList found = problems(QString::fromUtf8(c.caption));
    if (!c.problem) {
        EXPECT_TRUE(found.isEmpty()) << found.join(QStringLiteral("; ")).toStdString();
        return;
    }
    ASSERT_EQ(found.size(), 1) << found.join(QStringLiteral("; ")).toStdString();
    EXPECT_TRUE(found[0].contains(QString::fromUtf8(c.problem))) << found[0].toStdString();
}

INSTANTIATE_TEST_SUITE_P(Frames, CaptionCheckCases, testing::ValuesIn(cases),
                         [](const testing::TestParamInfo<Case> &info) {
                             return std::string(info.param.what);
                         });

TEST_F(CaptionCheckTest, AWindowUnderTheCaptionBandOrOffTheFrame)
{
    for (const QPoint corner : {QPoint(500, 355), QPoint(600, 240)}) {
        steps.move(corner);
        const QStringList found = problems(QStringLiteral("Окно шагов"));
        ASSERT_EQ(found.size(), 1) << corner.x() << "," << corner.y();
        EXPECT_TRUE(found[0].contains(QStringLiteral("outside the frame")));
    }
}

} // namespace
