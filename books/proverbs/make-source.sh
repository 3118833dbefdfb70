#!/bin/sh
# Writes the source of the default book to standard output: the Book of Proverbs of the
# King James Version, as Debian's bible-kjv prints it, spread evenly over the 365 days.
set -eu
bible -l10000 'Proverbs1:1-31:31' | awk -v days=365 '
/^Proverbs [0-9]+$/ { chapter = $2; next }
/^ +[0-9]+ / {
    verse = $1
    sub(/^ +[0-9]+ /, "")
    count++
    reference[count] = "Proverbs " chapter ":" verse
    text[count] = $0
}
END {
    if (count != 915) { print "make-source: expected the 915 verses of Proverbs, got " count > "/dev/stderr"; exit 1 }
    print "The Book of Proverbs"
    print "Wisdom for every day of the year: the thirty-one chapters of the Book of Proverbs in the " \
          "King James Version, two or three verses a day, from its first verse on 1 January to its " \
          "last on 31 December. The text is in the public domain."
    for (day = 0; day < days; day++) {
        print "%%"
        first = int(day * count / days) + 1
        last = int((day + 1) * count / days)
        for (i = first; i <= last; i++) {
            if (i > first) print ""
            print reference[i]
            print text[i]
        }
    }
}'
