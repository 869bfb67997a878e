// Widget tests run headless, inside the trainer's own application object.
#include "app/application.h"
#include "app/fonts.h"

#include <gtest/gtest.h>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ZunApplication application(argc, argv);
    install_application_font();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
