#include <gtest/gtest.h>

#ifdef HALVEX_REAL_RULES_IN_EDITOR
#include <QApplication>
#endif

int main(int argc, char** argv) {
#ifdef HALVEX_REAL_RULES_IN_EDITOR
    // The editor's windows need an application object; the test runs them offscreen.
    QApplication app(argc, argv);
#endif
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
