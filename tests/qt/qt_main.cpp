// Entry point of the Qt test programs: GoogleTest cases that drive real widgets with QTest.
// Without a platform chosen by the caller, widgets are drawn offscreen, so the tests need no
// display.
#include <gtest/gtest.h>
#include <QApplication>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
