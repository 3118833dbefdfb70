#include "reader/logic/DpiScaling.h"

int ScaledToDpi(int value, int fromDpi, int toDpi) {
    if (fromDpi <= 0 || toDpi <= 0) return value;
    const long long scaled = static_cast<long long>(value) * toDpi;
    const long long half = fromDpi / 2;
    return static_cast<int>(scaled >= 0 ? (scaled + half) / fromDpi : (scaled - half) / fromDpi);
}
