#include "reader/logic/DayKeys.h"

#include <gtest/gtest.h>

TEST(DayKeys, ChooseAndMarkDaysButLeaveTheVerseBoxItsScrolling) {
    constexpr KeyPlace text = KeyPlace::verseBox, calendar = KeyPlace::calendar, other = KeyPlace::elsewhere,
                       button = KeyPlace::pushButton;
    const struct {
        Key key;
        bool control, shift;
        KeyPlace place;
        DayCommand command;
    } rows[] = {
        {Key::left, true, false, text, DayCommand::previousDay},
        {Key::left, false, false, other, DayCommand::none},
        {Key::right, true, false, calendar, DayCommand::nextDay},
        {Key::pageUp, false, false, other, DayCommand::previousDay},
        {Key::pageUp, false, false, text, DayCommand::none},
        {Key::pageDown, false, false, calendar, DayCommand::nextDay},
        {Key::pageDown, false, false, text, DayCommand::none},
        {Key::pageDown, true, false, other, DayCommand::none},
        {Key::home, true, false, other, DayCommand::today},
        {Key::home, true, false, text, DayCommand::none},
        {Key::home, false, false, calendar, DayCommand::today},
        {Key::home, false, false, other, DayCommand::none},
        {Key::letterD, true, false, text, DayCommand::markRead},
        {Key::letterD, true, true, text, DayCommand::none},
        {Key::letterC, true, true, other, DayCommand::copyDay},
        {Key::letterC, true, false, text, DayCommand::none},
        {Key::letterG, true, false, text, DayCommand::goTo},
        {Key::letterF, true, false, calendar, DayCommand::find},
        {Key::letterF, true, true, other, DayCommand::none},
        {Key::f3, false, false, text, DayCommand::nextMatch},
        {Key::f3, false, true, other, DayCommand::previousMatch},
        {Key::f3, true, false, other, DayCommand::none},
        {Key::left, false, false, calendar, DayCommand::previousDay},
        {Key::right, false, false, text, DayCommand::none},
        {Key::up, false, false, calendar, DayCommand::previousWeek},
        {Key::down, false, false, calendar, DayCommand::nextWeek},
        {Key::down, false, false, text, DayCommand::none},
        {Key::enter, false, false, calendar, DayCommand::showDay},
        {Key::enter, false, false, text, DayCommand::ignore},
        {Key::enter, false, false, other, DayCommand::ignore},
        {Key::enter, false, false, button, DayCommand::none},
        {Key::other, true, true, other, DayCommand::none},
    };
    for (const auto& row : rows)
        EXPECT_EQ(DayCommandOf(row.key, row.control, row.shift, row.place), row.command)
            << static_cast<int>(row.key) << row.control << row.shift << static_cast<int>(row.place);
}
