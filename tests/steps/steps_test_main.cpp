#include <gtest/gtest.h>

#include <QGuiApplication>

// Laying out pages needs fonts, and with them a GUI application, though no
// window ever opens: headless unless a platform was chosen explicitly.
int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
