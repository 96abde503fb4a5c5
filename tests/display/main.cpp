#include <QApplication>

#include <cstdio>

#include <gtest/gtest.h>

// The real-display tests need an X display with a window manager;
// tests/display/run.sh starts both and runs this program under them.
int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        std::fprintf(stderr, "korvo_display_tests needs an X display: run tests/display/run.sh\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
