// An append-only array in fixed-size chunks: growing never copies or moves an
// element, never needs twice the memory, and costs one allocation per chunk,
// not per element.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace JwwGaibu {

template <typename T, unsigned kShift = 12>
class ChunkedArray {
  public:
    static constexpr std::size_t kChunk = std::size_t{1} << kShift;

    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    const T& operator[](std::size_t i) const { return chunks_[i >> kShift][i & (kChunk - 1)]; }
    T& operator[](std::size_t i) { return chunks_[i >> kShift][i & (kChunk - 1)]; }
    const T& back() const { return (*this)[size_ - 1]; }

    void push_back(const T& value) {
        if ((size_ >> kShift) == chunks_.size()) chunks_.emplace_back(new T[kChunk]);
        (*this)[size_++] = value;
    }
    void clear() {
        chunks_.clear();
        size_ = 0;
    }

  private:
    std::vector<std::unique_ptr<T[]>> chunks_;
    std::size_t size_ = 0;
};

// Offsets in file order: four bytes each while they fit, eight from the first
// one that does not (a source beyond 4 GiB).
class OffsetList {
  public:
    std::size_t size() const { return wide_ ? wideOffsets_.size() : narrow_.size(); }
    uint64_t operator[](std::size_t i) const { return wide_ ? wideOffsets_[i] : narrow_[i]; }
    void push_back(uint64_t at) {
        if (!wide_ && at > UINT32_MAX) {
            for (std::size_t i = 0; i < narrow_.size(); ++i) wideOffsets_.push_back(narrow_[i]);
            narrow_.clear();
            wide_ = true;
        }
        if (wide_)
            wideOffsets_.push_back(at);
        else
            narrow_.push_back(static_cast<uint32_t>(at));
    }

  private:
    bool wide_ = false;
    ChunkedArray<uint32_t> narrow_;
    ChunkedArray<uint64_t> wideOffsets_;
};

}  // namespace JwwGaibu
