// The game's file filters in Qt's form: each entry's patterns shown once, in parentheses.
#include <gtest/gtest.h>

#include "platform/qt/qt_file_dialogs.h"

namespace {

TEST(QtFileFilter, EachEntryShowsItsPatternsOnce) {
    const struct {
        const char* game;
        const char* qt;
    } kCases[] = {
        {"Map Files (*.txt)|*.txt||", "Map Files (*.txt)"},
        {"Map Files|*.txt||", "Map Files (*.txt)"},
        {"Pictures (*.bmp)|*.bmp;*.dib|All Files (*.*)|*.*||",
         "Pictures (*.bmp *.dib);;All Files (*.*)"},
        // A list that differs from the real patterns gives way to them: Qt filters by the
        // parentheses it shows.
        {"Saved games (*.sav)|*.Mrvek||", "Saved games (*.Mrvek)"},
        {"(Unnamed)|*.txt||", "(Unnamed) (*.txt)"},
        {"Map Files ( *.txt )  |*.txt||", "Map Files (*.txt)"},
        {"", ""},
        {"|*.txt||", ""},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(qtplatform::QtFilterFromGameFilter(c.game), c.qt) << c.game;
}

}  // namespace
