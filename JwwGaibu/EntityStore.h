// Where the entity lists keep what they hold. An entity is stored as the
// place of its line in the bytes it was read from, plus the reader's
// attribute state at that moment (shared by all the entities between two
// changes of it); its numbers are read from the line when the entity is
// first looked at, by the same rules and with the same results as reading
// them at once. Nothing is allocated per entity and releasing the host state
// frees a few large blocks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "JwwGaibu/Chunked.h"
#include "JwwGaibu/Records.h"
#include "MyFunc/FileView.h"

namespace JwwGaibu {

// What a stored entity takes from the reader's current state.
struct Attributes {
    uint64_t From = 0;  // offset of the first entity these apply to
    EntityHeader Header;
    int32_t PolylineNumber = 0;  // of a plain line
    int32_t Rgb = 0;
    int32_t Cc = 0;
    int32_t Style = 0;
    int32_t PointColor = 1;
    uint32_t StyleIndex = 0;    // Styles: the style a text takes its sizes and colour from
    uint32_t FontIndex = 0;     // Fonts: the font name, cut to 255 bytes
    uint32_t PendingIndex = 0;  // PendingLines: the line a compound holds
};

class EntitySource {
  public:
    static constexpr uint64_t kNoOffset = UINT64_MAX;

    // The whole exchange file: its lines are cleaned of CRs when read back,
    // as when they were read. Returns the offset of its first byte.
    uint64_t AddFile(MyFunc::FileView file);
    // Keeps a copy of one line exactly as given; returns its offset.
    uint64_t CopyLine(std::string_view line);
    // The line of the entity at `at`, as the tokenizer saw it (`scratch` may
    // hold it).
    std::string_view LineAt(uint64_t at, std::string& scratch) const;

    // The reader marks every change of its attribute state; the next stored
    // entity then takes a new set of attributes.
    bool AttributesChanged = true;
    void AddAttributes(const Attributes& a, const TextStyle& style, std::string_view font,
                       const LineRecord& pending);
    const Attributes& AttributesAt(uint64_t at) const;
    const TextStyle& Style(const Attributes& a) const { return styles_[a.StyleIndex]; }
    const std::string& Font(const Attributes& a) const { return fonts_[a.FontIndex]; }
    const LineRecord& Pending(const Attributes& a) const { return pending_[a.PendingIndex]; }

  private:
    struct Block {
        uint64_t Base;
        const char* Data;
        std::size_t Size;
        bool File;  // a file's lines end at LF; copied lines carry their length
    };
    std::vector<Block> blocks_;
    std::vector<MyFunc::FileView> files_;
    std::vector<std::unique_ptr<char[]>> arena_;
    std::size_t arenaUsed_ = 0, arenaSize_ = 0;
    uint64_t end_ = 0;  // offset after the last byte held

    ChunkedArray<Attributes, 10> attributes_;
    std::vector<TextStyle> styles_;
    std::vector<std::string> fonts_;
    std::vector<LineRecord> pending_;
};

// Reading an entity back: one function per record type.
void DecodeEntity(const EntitySource& s, uint64_t at, LineRecord& out);
void DecodeEntity(const EntitySource& s, uint64_t at, CiRecord& out);
void DecodeEntity(const EntitySource& s, uint64_t at, CiArcRecord& out);
void DecodeEntity(const EntitySource& s, uint64_t at, TextRecord& out);
void DecodeEntity(const EntitySource& s, uint64_t at, PtRecord& out);
void DecodeEntity(const EntitySource& s, uint64_t at, PtExRecord& out);
void DecodeEntity(const EntitySource& s, uint64_t at, CompoundRecord& out);
void DecodeEntity(const EntitySource& s, uint64_t at, BlRecord& out);
void DecodeEntity(const EntitySource& s, uint64_t at, Sl2Record& out);
void DecodeEntity(const EntitySource& s, uint64_t at, Sl3Record& out);
void DecodeEntity(const EntitySource& s, uint64_t at, Sl4Record& out);
void DecodeEntity(const EntitySource& s, uint64_t at, ArcSolidRecord& out);
void DecodeEntity(const EntitySource& s, uint64_t at, RingSolidRecord& out);

// Iterates a list by index; `*it` is the element by value.
template <typename List, typename Value>
class IndexIterator {
  public:
    using iterator_category = std::input_iterator_tag;
    using value_type = Value;
    using difference_type = std::ptrdiff_t;
    using pointer = void;
    using reference = Value;

    IndexIterator() = default;
    IndexIterator(const List* list, std::size_t i) : list_(list), i_(i) {}
    Value operator*() const { return (*list_)[i_]; }
    IndexIterator& operator++() {
        ++i_;
        return *this;
    }
    IndexIterator operator++(int) {
        IndexIterator before = *this;
        ++i_;
        return before;
    }
    bool operator==(const IndexIterator& o) const { return i_ == o.i_; }

  private:
    const List* list_ = nullptr;
    std::size_t i_ = 0;
};

// One typed entity list, in file order.
template <typename T>
class EntityList {
  public:
    using value_type = T;
    using const_iterator = IndexIterator<EntityList, T>;

    explicit EntityList(const EntitySource* source) : source_(source) {}
    std::size_t size() const { return offsets_.size(); }
    bool empty() const { return size() == 0; }
    T operator[](std::size_t i) const {
        T record;
        DecodeEntity(*source_, offsets_[i], record);
        return record;
    }
    T front() const { return (*this)[0]; }
    T back() const { return (*this)[size() - 1]; }
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size()}; }

    // The reader's only operation: the entity whose line is at `at`.
    void Append(uint64_t at) { offsets_.push_back(at); }

  private:
    const EntitySource* source_;
    OffsetList offsets_;
};

// EntityOrder: the type of every entity in file order; the index of an entity
// in its type's list is counted from a checkpoint every 256 entities.
class EntityOrderList {
  public:
    using value_type = EntityRef;
    using const_iterator = IndexIterator<EntityOrderList, EntityRef>;

    std::size_t size() const { return types_.size(); }
    bool empty() const { return types_.empty(); }
    EntityRef operator[](std::size_t i) const;
    EntityRef back() const { return (*this)[size() - 1]; }
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size()}; }

    void Append(EntityType type);

  private:
    static constexpr std::size_t kEvery = 256;
    ChunkedArray<uint8_t, 16> types_;
    ChunkedArray<std::array<uint32_t, 16>, 8> checkpoints_;  // counts before each 256
    std::array<uint32_t, 16> counts_{};
};

}  // namespace JwwGaibu
