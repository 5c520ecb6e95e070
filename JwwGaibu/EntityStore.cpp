#include "JwwGaibu/EntityStore.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "JwwGaibu/Tokenizer.h"

namespace JwwGaibu {

namespace {
constexpr std::size_t kArenaBlock = 1 << 20;
}

uint64_t EntitySource::AddFile(MyFunc::FileView file) {
    const uint64_t base = end_;
    blocks_.push_back(Block{base, file.data(), file.size(), true});
    end_ += file.size() + 1;  // no line of the next block starts where this one ends
    files_.push_back(std::move(file));
    return base;
}

uint64_t EntitySource::CopyLine(std::string_view line) {
    const std::size_t need = sizeof(std::size_t) + line.size();
    if (arenaSize_ - arenaUsed_ < need) {
        arenaSize_ = std::max(kArenaBlock, need);
        arena_.emplace_back(new char[arenaSize_]);
        arenaUsed_ = 0;
        blocks_.push_back(Block{end_, arena_.back().get(), arenaSize_, false});
        end_ += arenaSize_;
    }
    const Block& b = blocks_.back();
    char* p = arena_.back().get() + arenaUsed_;
    const std::size_t length = line.size();
    std::memcpy(p, &length, sizeof length);
    if (length > 0) std::memcpy(p + sizeof length, line.data(), length);
    const uint64_t at = b.Base + arenaUsed_;
    arenaUsed_ += need;
    return at;
}

std::string_view EntitySource::LineAt(uint64_t at, std::string& scratch) const {
    const auto it = std::upper_bound(blocks_.begin(), blocks_.end(), at,
                                     [](uint64_t a, const Block& b) { return a < b.Base; });
    const Block& b = *(it - 1);
    const char* p = b.Data + (at - b.Base);
    if (!b.File) {
        std::size_t length = 0;
        std::memcpy(&length, p, sizeof length);
        return {p + sizeof length, length};
    }
    const char* end = b.Data + b.Size;
    const void* lf = std::memchr(p, '\n', static_cast<std::size_t>(end - p));
    std::string_view line(p,
                          static_cast<std::size_t>((lf ? static_cast<const char*>(lf) : end) - p));
    // As the file was read: the CR of CR LF goes, and so does any other CR.
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (std::memchr(line.data(), '\r', line.size()) == nullptr) return line;
    scratch.clear();
    for (char c : line)
        if (c != '\r') scratch.push_back(c);
    return scratch;
}

void EntitySource::AddAttributes(const Attributes& a, const TextStyle& style, std::string_view font,
                                 const LineRecord& pending) {
    Attributes copy = a;
    // Compared bit for bit: a style of -0 must read back as -0.
    auto same = [](double x, double y) { return std::memcmp(&x, &y, sizeof x) == 0; };
    auto sameStyle = [&](const TextStyle& s) {
        return same(s.Width, style.Width) && same(s.Height, style.Height) &&
               same(s.Spacing, style.Spacing) && s.Color == style.Color;
    };
    if (styles_.empty() || !sameStyle(styles_.back())) styles_.push_back(style);
    if (fonts_.empty() || fonts_.back() != font) fonts_.emplace_back(font);
    if (pending_.empty() || std::memcmp(&pending_.back(), &pending, sizeof pending) != 0)
        pending_.push_back(pending);
    copy.StyleIndex = static_cast<uint32_t>(styles_.size() - 1);
    copy.FontIndex = static_cast<uint32_t>(fonts_.size() - 1);
    copy.PendingIndex = static_cast<uint32_t>(pending_.size() - 1);
    attributes_.push_back(copy);
    AttributesChanged = false;
}

const Attributes& EntitySource::AttributesAt(uint64_t at) const {
    // The last set whose first entity is not after `at`.
    std::size_t lo = 0, hi = attributes_.size();
    while (hi - lo > 1) {
        const std::size_t mid = lo + (hi - lo) / 2;
        if (attributes_[mid].From <= at)
            lo = mid;
        else
            hi = mid;
    }
    return attributes_[lo];
}

void EntityOrderList::Append(EntityType type) {
    if (types_.size() % kEvery == 0) checkpoints_.push_back(counts_);
    types_.push_back(static_cast<uint8_t>(type));
    ++counts_[static_cast<std::size_t>(type)];
}

EntityRef EntityOrderList::operator[](std::size_t i) const {
    const uint8_t type = types_[i];
    uint32_t index = checkpoints_[i / kEvery][type];
    const std::size_t from = i - i % kEvery;  // a checkpoint's entities lie in one chunk
    const uint8_t* p = &types_[from];
    for (std::size_t j = 0; j < i - from; ++j) index += p[j] == type;
    return EntityRef{type, static_cast<int32_t>(index)};
}

}  // namespace JwwGaibu
