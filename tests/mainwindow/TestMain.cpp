// The widget tests run inside the program's own application object, so
// that the general error report is the real one.

#include "UApplication.h"
#include "UGlobal.h"

#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qh::TApplication application(argc, argv);
    qh::TApplication::SetTitle(qh::ApplicationTitle());
    qh::TApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
