#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char* argv[])
{
    // Headless unless a platform was chosen explicitly.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Ending the program must come from the windows themselves, not from Qt
    // noticing that the last window went away.
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
