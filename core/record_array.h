// The one growable container of the program: every in-memory list of records is a RecordArray of
// one element type. It grows and shrinks by whole grow steps, so a list that is emptied and filled
// again (a month of appointments, the task list) keeps its buffer.
#pragma once

#include <cstdint>
#include <new>
#include <type_traits>
#include <utility>
#include <vector>

inline constexpr int kRecordArrayGrowStep = 64;

// Invariants: 0 <= size <= capacity; capacity is 0 or a whole multiple of the grow step; every
// element below the capacity can be read and written, and those from size on hold stale but valid
// values. Indexes are checked by the operations that change the array; element access is direct
// and the caller checks the index against Capacity() itself.
// The storage under the constructed elements grows geometrically (it is a std::vector), so that a
// load appending a hundred thousand records does not copy them all every 64 appends; what the
// capacity rule decides (how many elements exist, which of them are fresh) holds exactly.
// Elements past the highest size reached are fresh and are built when first touched: a record's
// category list of one name then costs one string, not 64 (a month of appointments, the task and
// contact lists each hold thousands of such lists). An array of more than one step keeps the
// storage of its whole capacity, so it stays in place while it grows within the capacity.
template <class E>
class RecordArray {
    static_assert(!std::is_same_v<E, bool>, "a vector of bool holds no elements to point at");

public:
    RecordArray() = default;
    ~RecordArray() = default;
    // Copying a record that holds an array copies the elements one by one.
    RecordArray(const RecordArray& other) { CopyFrom(other); }
    RecordArray& operator=(const RecordArray& other) {
        if (this != &other) {
            RemoveAll();
            CopyFrom(other);
        }
        return *this;
    }
    RecordArray(RecordArray&& other) noexcept { TakeFrom(other); }
    RecordArray& operator=(RecordArray&& other) noexcept {
        if (this != &other) TakeFrom(other);
        return *this;
    }

    int Size() const { return size_; }
    int Capacity() const { return capacity_; }
    int GrowStep() const { return growStep_; }
    bool IsEmpty() const { return size_ == 0; }
    E* Data() { return items_.data(); }
    const E* Data() const { return items_.data(); }
    E& operator[](int index) {
        const auto at = static_cast<std::size_t>(index);
        if (at >= items_.size()) [[unlikely]] Build(at + 1);
        return items_[at];
    }
    const E& operator[](int index) const {
        const auto at = static_cast<std::size_t>(index);
        if (at >= items_.size()) [[unlikely]] return Fresh();
        return items_[at];
    }
    E* begin() { return items_.data(); }
    E* end() { return items_.data() + size_; }
    const E* begin() const { return items_.data(); }
    const E* end() const { return items_.data() + size_; }

    // Growing past the capacity reallocates to whole steps; shrinking by a full step or more
    // reallocates down; smaller shrinks only set the size. A reallocation keeps the first
    // min(size, newSize) elements and makes every other element fresh. Ignored for a negative
    // size or a grow step below 1.
    void SetSize(int newSize, int growStep) {
        if (newSize < 0 || growStep < 1) return;
        growStep_ = growStep;
        if (newSize > size_ - growStep && newSize <= capacity_) {
            Build(static_cast<std::size_t>(newSize));
            size_ = newSize;
            return;
        }
        const std::int64_t steps = (std::int64_t{newSize} + growStep - 1) / growStep;
        const std::int64_t newCapacity = steps * growStep;
        if (newCapacity > INT32_MAX) throw std::bad_alloc();
        const int kept = size_ < newSize ? size_ : newSize;
        // Everything past the kept elements is fresh in the new buffer.
        items_.resize(static_cast<std::size_t>(kept));
        if (newCapacity < capacity_) items_.shrink_to_fit();
        capacity_ = static_cast<int>(newCapacity);
        const auto whole = static_cast<std::size_t>(newCapacity);
        if (newCapacity > growStep && whole > items_.capacity())
            items_.reserve(whole > 2 * items_.capacity() ? whole : 2 * items_.capacity());
        Build(static_cast<std::size_t>(newSize));
        size_ = newSize;
    }

    // Inserts before index (index == size appends); -1 when the index is out of range.
    int InsertAt(int index, E element) {
        if (index < 0 || index > size_) return -1;
        SetSize(size_ + 1, growStep_);
        for (int i = size_ - 1; i > index; --i) (*this)[i] = std::move((*this)[i - 1]);
        (*this)[index] = std::move(element);
        return index;
    }

    // Returns the new size, or -1 when the index is out of range.
    int RemoveAt(int index) {
        if (index < 0 || index >= size_) return -1;
        const int last = size_ - 1;
        for (int i = index; i < last - 1; ++i) (*this)[i] = std::move((*this)[i + 1]);
        // The last element is copied, not moved: it keeps its value until overwritten.
        if (index < last) (*this)[last - 1] = (*this)[last];
        size_ = last;
        return size_;
    }

    // Returns index, or -1 when it is out of range.
    int SetAt(int index, E element) {
        if (index < 0 || index >= size_) return -1;
        (*this)[index] = std::move(element);
        return index;
    }

    // The buffer and its elements stay for the next fill.
    void RemoveAll() { size_ = 0; }

    // Returns the index of the new element.
    int Append(E element) {
        if (size_ < capacity_ && static_cast<std::size_t>(size_) == items_.size()) {
            // The next slot was never built: the element is built there, not built and assigned.
            Reserve(items_.size() + 1);
            items_.push_back(std::move(element));
            return size_++;
        }
        SetSize(size_ + 1, growStep_);
        (*this)[size_ - 1] = std::move(element);
        return size_ - 1;
    }

private:
    // Builds the fresh elements up to count, growing the storage geometrically within the capacity.
    void Build(std::size_t count) {
        if (count <= items_.size()) return;
        Reserve(count);
        items_.resize(count);
    }
    void Reserve(std::size_t count) {
        if (count <= items_.capacity()) return;
        const auto whole = static_cast<std::size_t>(capacity_);
        const std::size_t doubled = 2 * items_.capacity();
        const std::size_t wanted = doubled > count ? doubled : count;
        items_.reserve(wanted < whole ? wanted : (count > whole ? count : whole));
    }
    static const E& Fresh() {
        static const E fresh{};
        return fresh;
    }

    void CopyFrom(const RecordArray& other) {
        growStep_ = other.growStep_;
        SetSize(other.size_, growStep_);
        for (int i = 0; i < size_; ++i) (*this)[i] = other[i];
    }
    void TakeFrom(RecordArray& other) noexcept {
        size_ = std::exchange(other.size_, 0);
        capacity_ = std::exchange(other.capacity_, 0);
        growStep_ = other.growStep_;
        items_ = std::move(other.items_);
        other.items_.clear();
    }

    int size_ = 0;
    int capacity_ = 0;
    std::vector<E> items_;  // capacity_ constructed elements
    int growStep_ = kRecordArrayGrowStep;
};
