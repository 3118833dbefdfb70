#pragma once

#include <cstddef>

// Saves size bytes as the file at path so that neither a failed write nor a power cut can leave
// it half written: the bytes go to path + ".new", which is flushed to the disk and then takes the
// place of the old file in one step. False when any step fails; the old file is then as it was,
// and no ".new" file is left.
bool SaveFile(const char* path, const void* data, std::size_t size);
