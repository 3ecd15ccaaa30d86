#include <QApplication>
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char **argv)
{
    // The window tests need no display unless the environment names one.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    QApplication::setApplicationName("Ekrano");
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
