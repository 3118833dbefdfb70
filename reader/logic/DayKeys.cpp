#include "reader/logic/DayKeys.h"

DayCommand DayCommandOf(Key key, bool control, bool shift, KeyPlace place) {
    const bool inText = place == KeyPlace::verseBox, inCalendar = place == KeyPlace::calendar;
    switch (key) {
    case Key::left:
        return control || inCalendar ? DayCommand::previousDay : DayCommand::none;
    case Key::right:
        return control || inCalendar ? DayCommand::nextDay : DayCommand::none;
    case Key::up:
        return inCalendar && !control ? DayCommand::previousWeek : DayCommand::none;
    case Key::down:
        return inCalendar && !control ? DayCommand::nextWeek : DayCommand::none;
    case Key::enter:
        return inCalendar ? DayCommand::showDay : place == KeyPlace::pushButton ? DayCommand::none : DayCommand::ignore;
    case Key::pageUp:
        return !control && !inText ? DayCommand::previousDay : DayCommand::none;
    case Key::pageDown:
        return !control && !inText ? DayCommand::nextDay : DayCommand::none;
    case Key::home:
        return (control && !inText) || (!control && place == KeyPlace::calendar) ? DayCommand::today : DayCommand::none;
    case Key::letterD:
        return control && !shift ? DayCommand::markRead : DayCommand::none;
    case Key::letterC:
        return control && shift ? DayCommand::copyDay : DayCommand::none;
    case Key::letterG:
        return control && !shift ? DayCommand::goTo : DayCommand::none;
    case Key::letterF:
        return control && !shift ? DayCommand::find : DayCommand::none;
    case Key::f3:
        return control ? DayCommand::none : shift ? DayCommand::previousMatch : DayCommand::nextMatch;
    case Key::other:
        break;
    }
    return DayCommand::none;
}
