#pragma once

#include <utility>
#include <vector>

// The Bible's chapters in the order their events happened, as chronological.txt gives them: each
// a book (0 to 65) and a chapter.
const std::vector<std::pair<int, int>>& ChronologicalChapters();
