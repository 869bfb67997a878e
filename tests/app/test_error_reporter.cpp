#include "app/application.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

// An object whose event handler fails on the events the test sends it.
class FailingHandler final : public QObject {
public:
    bool event(QEvent *event) override
    {
        if (event->type() == QEvent::User)
            throw std::runtime_error("handler failed");
        if (event->type() == QEvent::User + 1)
            throw 42;
        handled_after = true;
        return QObject::event(event);
    }

    bool handled_after = false;
};

class ErrorTest : public ::testing::Test {
protected:
    ErrorTest()
    {
        ZunApplication::instance()->errors().set_presenter(
            [this](const QString &message) { shown.append(message); });
    }
    ~ErrorTest() override
    {
        ZunApplication::instance()->errors().set_presenter(&ErrorReporter::show_error_box);
    }

    QStringList shown;
};

TEST_F(ErrorTest, AnExceptionFromAnEventHandlerIsShownAndTheLoopGoesOn)
{
    FailingHandler handler;
    QEvent failing(QEvent::User);
    QCoreApplication::sendEvent(&handler, &failing);
    QCoreApplication::sendEvent(&handler, &failing);
    QEvent foreign(static_cast<QEvent::Type>(QEvent::User + 1));
    QCoreApplication::sendEvent(&handler, &foreign);
    EXPECT_TRUE(shown.isEmpty()) << "boxes are shown from the loop, not inside the handler";

    QCoreApplication::processEvents();
    EXPECT_EQ(shown, (QStringList{"handler failed", ""}))
        << "a waiting error is not queued twice; a foreign exception has no message";

    QEvent ordinary(static_cast<QEvent::Type>(QEvent::User + 2));
    QCoreApplication::sendEvent(&handler, &ordinary);
    EXPECT_TRUE(handler.handled_after);
}

TEST_F(ErrorTest, ErrorsRaisedWhileABoxIsOpenFollowItOneAtATime)
{
    ErrorReporter &errors = ZunApplication::instance()->errors();
    int open_boxes = 0;
    int most_open = 0;
    errors.set_presenter([&](const QString &message) {
        ++open_boxes;
        most_open = std::max(most_open, open_boxes);
        shown.append(message);
        if (message == "first") {
            errors.report("second");
            QCoreApplication::processEvents(); // the box's own loop
        }
        --open_boxes;
    });
    errors.report("first");
    QCoreApplication::processEvents();
    EXPECT_EQ(shown, (QStringList{"first", "second"}));
    EXPECT_EQ(most_open, 1);
}

} // namespace
