#include <QApplication>

#include <cstring>

#include <gtest/gtest.h>

// The window tests need a QApplication; without a display they run on Qt's
// offscreen platform. Listing the tests needs no application at all.
int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (::testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
