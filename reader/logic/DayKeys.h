#pragma once

// The keys that choose and mark days anywhere in the main window, as a decision over plain data.

// The keys that count, as the window names them from Windows' virtual-key codes.
enum class Key { left, right, home, pageUp, pageDown, letterC, letterD, letterG, letterF, f3, other };
// Where the key was pressed: the verse box scrolls with Page Up, Page Down and Ctrl+Home itself.
enum class KeyPlace { verseBox, calendar, elsewhere };
enum class DayCommand { none, previousDay, nextDay, today, markRead, copyDay, goTo, find, nextMatch, previousMatch };

// Ctrl+Left and Ctrl+Right, and outside the verse box Page Up and Page Down, show the day before
// and after; Ctrl+Home outside the verse box, and Home in the calendar, show today; Ctrl+D marks the
// day read; Ctrl+Shift+C copies it with its reference; Ctrl+G goes to a passage, Ctrl+F finds words,
// and F3 and Shift+F3 go to the next and the previous match.
DayCommand DayCommandOf(Key key, bool control, bool shift, KeyPlace place);
