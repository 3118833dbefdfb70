// Measures how long finding words takes in a book, as the reader finds them: every day's text
// read from the file, then searched, for a few searches of one word and of several:
//   search_benchmark BOOK [RUNS]
#include "benchmarks/Now.h"
#include "framework/core/CodePage.h"
#include "reader/book/BookFile.h"
#include "reader/book/VerseOfDay.h"
#include "reader/book/WordSearch.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs("usage: search_benchmark BOOK [RUNS]\n", stderr);
        return 2;
    }
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 15;
    BookFile book;
    if (!book.OpenBook(argv[1])) return 1;
    const BookInfo info = book.GetBookInfo();
    book.SetTextCodePage(KnownCodePage(info.codePage) ? info.codePage : ansiCodePage);
    const char* const searches[] = {"vine", "love one another", "Jerusalem", "corazon", "the"};
    std::size_t days = 0;
    std::printf("runs: %d\n", runs);
    double slowest = 0;
    for (const char* words : searches) {
        std::vector<double> taken;
        for (int run = -1; run < runs; ++run) { // the first run only warms the file cache up
            const double start = Now();
            days = FindWords(book.GetRecordTexts(1, daysInCommonYear), SearchWords(words), true).size();
            if (run >= 0) taken.push_back(Now() - start);
        }
        std::sort(taken.begin(), taken.end());
        const double median = taken[taken.size() / 2];
        slowest = std::max(slowest, median);
        std::printf("\"%s\": %zu days, %.1f ms (median)\n", words, days, median);
    }
    std::vector<double> reads;
    for (int run = 0; run < runs; ++run) {
        const double start = Now();
        book.GetRecordTexts(1, daysInCommonYear);
        reads.push_back(Now() - start);
    }
    std::sort(reads.begin(), reads.end());
    std::printf("slowest search: %.1f ms (median), of which reading the days: %.1f ms\n", slowest,
                reads[reads.size() / 2]);
    return 0;
}
