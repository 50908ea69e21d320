#include <gtest/gtest.h>

#include <QCoreApplication>

int main(int argc, char* argv[])
{
    // Starting the program needs no window system here, only an event loop.
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
