#include "gl3d/window_rect.h"

#include <algorithm>

namespace {

struct Span {
    long long from;
    long long length;
};

// One axis of the rectangle, fitted to the same axis of the work area. The rectangle shows when it
// overlaps the work area on both axes, so an axis that overlaps already stays where it is.
Span Fit(int from, int to, int areaFrom, int areaTo) {
    const long long areaLength =
        std::max<long long>(static_cast<long long>(areaTo) - areaFrom, kMinWindowSide);
    const long long length =
        std::clamp<long long>(static_cast<long long>(to) - from, kMinWindowSide, areaLength);
    long long start = from;
    const bool shows = start < areaTo && start + length > areaFrom;
    if (!shows) {
        start = std::clamp<long long>(start, areaFrom, std::max<long long>(areaFrom, areaTo - length));
    }
    return Span{start, length};
}

} // namespace

CRect PlaceableWindowRect(const CRect& stored, const CRect& workArea) {
    const Span x = Fit(stored.left, stored.right, workArea.left, workArea.right);
    const Span y = Fit(stored.top, stored.bottom, workArea.top, workArea.bottom);
    return CRect{static_cast<int>(x.from), static_cast<int>(y.from), static_cast<int>(x.from + x.length),
                 static_cast<int>(y.from + y.length)};
}
