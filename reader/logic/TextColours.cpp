#include "reader/logic/TextColours.h"

TextColours VerseBoxColours(bool highContrast, bool darkBackground, const TextColours& system) {
    return darkBackground && !highContrast ? darkColours : system;
}
