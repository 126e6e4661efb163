// The main of every test program that runs real windows: the offscreen platform
// with one screen of the size the program was built for (TESSERON_TEST_SCREEN_W/H).
#include "support/ui_window_fixture.h"

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // Settings and data never go to the real home folder.
    static QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", (home.path() + QStringLiteral("/data")).toLocal8Bit());
    tesseron::test::UseOffscreenScreen(TESSERON_TEST_SCREEN_W, TESSERON_TEST_SCREEN_H);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
