// GridAxisSizes: column widths or row heights with a Fenwick tree of the room they take.
#include "platform/ui/GridsAxis.h"

#include <algorithm>

namespace ui {

bool GridAxisSizes::SetSize(int i, int v)
{
    v = std::max(v, 0);
    int& size = sizes_[static_cast<std::size_t>(i)];
    if (size == v)
        return false;
    const std::int64_t delta = ExtentOf(v) - ExtentOf(size);
    size = v;
    if (dirty_)
        return true;
    for (std::size_t k = static_cast<std::size_t>(i) + 1; k < tree_.size(); k += k & (~k + 1))
        tree_[k] += delta;
    return true;
}

void GridAxisSizes::Resize(int count, int size)
{
    sizes_.resize(static_cast<std::size_t>(std::max(count, 0)), std::max(size, 0));
    Rebuild();
}

void GridAxisSizes::Fill(int size)
{
    std::fill(sizes_.begin(), sizes_.end(), std::max(size, 0));
    Rebuild();
}

void GridAxisSizes::SetLine(int line)
{
    if (line == line_)
        return;
    line_ = line;
    Rebuild();
}

void GridAxisSizes::Insert(int At, int count, int size)
{
    if (count <= 0)
        return;
    At = std::clamp(At, 0, Count());
    sizes_.insert(sizes_.begin() + At, static_cast<std::size_t>(count), std::max(size, 0));
    Rebuild();
}

void GridAxisSizes::Erase(int At, int count)
{
    At = std::clamp(At, 0, Count());
    count = std::clamp(count, 0, Count() - At);
    if (count == 0)
        return;
    sizes_.erase(sizes_.begin() + At, sizes_.begin() + At + count);
    Rebuild();
}

void GridAxisSizes::Move(int from, int to)
{
    const int size = Size(from);
    sizes_.erase(sizes_.begin() + from);
    sizes_.insert(sizes_.begin() + to, size);
    Rebuild();
}

// From the prefix sums: node k holds the sum of the lowbit(k) extents ending at k, that is
// P[k] - P[k - lowbit(k)]. Done in place from the top, where the smaller index is still a prefix
// sum. Two plain passes, which the compiler keeps tight.
void GridAxisSizes::EnsureTree() const
{
    if (!dirty_)
        return;
    dirty_ = false;
    const std::size_t n = sizes_.size();
    tree_.resize(n + 1);
    tree_[0] = 0;
    const std::int64_t line = line_;
    std::int64_t sum = 0;
    for (std::size_t k = 1; k <= n; ++k) {
        const std::int64_t size = sizes_[k - 1];
        sum += size > 0 ? size + line : 0;
        tree_[k] = sum;
    }
    for (std::size_t k = n; k > 0; --k)
        tree_[k] -= tree_[k - (k & (~k + 1))];
}

std::int64_t GridAxisSizes::Offset(int i) const
{
    EnsureTree();
    std::int64_t sum = 0;
    for (std::size_t k = static_cast<std::size_t>(std::clamp(i, 0, Count())); k > 0; k &= k - 1)
        sum += tree_[k];
    return sum;
}

// Descends the tree for the largest prefix whose room does not pass pos: the index after it
// holds pos.
int GridAxisSizes::IndexAtOffset(std::int64_t pos) const
{
    EnsureTree();
    const std::size_t n = sizes_.size();
    if (pos < 0)
        pos = 0;
    std::size_t step = 1;
    while (step * 2 <= n)
        step *= 2;
    std::size_t k = 0;
    std::int64_t rest = pos;
    for (; step > 0; step /= 2) {
        if (k + step <= n && tree_[k + step] <= rest) {
            k += step;
            rest -= tree_[k];
        }
    }
    return static_cast<int>(k);
}

int GridAxisSizes::NextWithRoom(int i) const
{
    if (i >= Count())
        return Count();
    i = std::max(i, 0);
    if (Extent(i) > 0)
        return i;
    // Every index from i to the one found takes no room, so the found one starts at Offset(i).
    return IndexAtOffset(Offset(i));
}

}  // namespace ui
