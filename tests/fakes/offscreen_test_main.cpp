// Runs widget tests on Qt's offscreen platform, with the program's own font choices.
#include <gtest/gtest.h>

#include <QApplication>

#include "ui/font_substitution.h"

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ui::installFontSubstitutions();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
