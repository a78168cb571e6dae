#pragma once
// The sizes of a grid's columns (or rows) and the positions they give. Every index takes its size
// plus the grid line; an index of size 0 (hidden by its size) takes no room at all, not even a
// line. A Fenwick tree over those extents answers position -> index and index -> position in
// O(log n), so scrolling, hit-testing and painting stay proportional to what is in view however
// many indexes there are and however many are hidden.
#include <cstdint>
#include <vector>

namespace ui {

class GridAxisSizes {
public:
    int Count() const { return static_cast<int>(sizes_.size()); }
    int Line() const { return line_; }
    // Index in range; a negative size is stored as 0.
    int Size(int i) const { return sizes_[static_cast<std::size_t>(i)]; }
    // False when the size was the same already.
    bool SetSize(int i, int v);
    // New indexes get Size; existing ones keep theirs.
    void Resize(int count, int size);
    void Fill(int size);
    void SetLine(int line);
    // Count indexes of the given size before index At (At = Count() appends).
    void Insert(int At, int count, int size);
    void Erase(int At, int count);
    void Move(int from, int to);

    // Room an index takes: its size plus the line, 0 for a size of 0.
    int Extent(int i) const { return ExtentOf(Size(i)); }
    // Total room of the indexes before i (0 <= i <= Count()).
    std::int64_t Offset(int i) const;
    // The index whose room holds the position (Offset(j) <= pos < Offset(j + 1)); Count() when pos
    // lies at or past the end, and for a negative pos the first index with room.
    int IndexAtOffset(std::int64_t pos) const;
    // The first index at or after i that takes room; Count() when there is none.
    int NextWithRoom(int i) const;

private:
    int ExtentOf(int size) const { return size > 0 ? size + line_ : 0; }
    // Changes of many sizes at once only mark the tree; the next position query rebuilds it.
    void Rebuild() { dirty_ = true; }
    void EnsureTree() const;

    std::vector<int> sizes_;
    mutable std::vector<std::int64_t> tree_;  // Fenwick tree over the extents, 1-based
    mutable bool dirty_ = false;
    int line_ = 0;
};

}  // namespace ui
