// The main of every test program that runs real windows: the offscreen platform
// with one screen of the size the program was built for (TESSERON_TEST_SCREEN_W/H).
#include "support/ui_window_fixture.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    tesseron::test::UseOffscreenScreen(TESSERON_TEST_SCREEN_W, TESSERON_TEST_SCREEN_H);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
