#pragma once

// The keys that choose and mark days anywhere in the main window, as a decision over plain data.

// The keys that count, as the window names them from Windows' virtual-key codes.
enum class Key { left, right, up, down, home, pageUp, pageDown, enter, letterC, letterD, letterG, letterF, f3, other };
// Where the key was pressed: the verse box scrolls with Page Up, Page Down and Ctrl+Home itself,
// and a push button takes Enter as a click.
enum class KeyPlace { verseBox, calendar, pushButton, elsewhere };
enum class DayCommand {
    none,
    previousDay,
    nextDay,
    previousWeek,
    nextWeek,
    today,
    showDay,
    ignore,
    markRead,
    copyDay,
    goTo,
    find,
    nextMatch,
    previousMatch
};

// Ctrl+Left and Ctrl+Right, and outside the verse box Page Up and Page Down, show the day before
// and after; Ctrl+Home outside the verse box, and Home in the calendar, show today; Ctrl+D marks the
// day read; Ctrl+Shift+C copies it with its reference; Ctrl+G goes to a passage, Ctrl+F finds words,
// and F3 and Shift+F3 go to the next and the previous match. In the calendar the arrows move a day
// or a week, and Enter shows the day. Enter presses only a push button that has the focus, the exit
// button among them; elsewhere it does nothing (ignore) rather than press the dialog's default
// button, the exit button.
DayCommand DayCommandOf(Key key, bool control, bool shift, KeyPlace place);
