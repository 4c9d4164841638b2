#include "gl11_on_webgl/shown_frame.h"

#include <cstdint>
#include <cstring>

namespace {

// A run's fields without the padding between them, whose bytes nothing sets.
struct RunFields {
    std::uint32_t texture;
    std::uint32_t exact;
    std::uint32_t firstQuad;
    std::uint32_t quads;
};

std::size_t bytesOf(const QuadBatch& batch) {
    return batch.vertices().size() * sizeof(QuadVertex) + batch.runs().size() * sizeof(RunFields);
}

// Hands `visit` the bytes that decide what the batch draws, a part at a time: its corners, then
// each run's fields. Stops where `visit` answers false.
template <typename Visit>
bool eachPart(const QuadBatch& batch, Visit&& visit) {
    const auto& vertices = batch.vertices();
    if (!vertices.empty() && !visit(vertices.data(), vertices.size() * sizeof(QuadVertex)))
        return false;
    for (const QuadRun& run : batch.runs()) {
        const RunFields fields{run.texture, run.exact, static_cast<std::uint32_t>(run.firstQuad),
                               static_cast<std::uint32_t>(run.quads)};
        if (!visit(&fields, sizeof fields))
            return false;
    }
    return true;
}

}  // namespace

// Compared byte for byte: a corner that moved by any amount, or a zero that changed sign, is
// drawn again.
bool ShownFrame::repeats(const QuadBatch& batch) const {
    if (!known_ || bytesOf(batch) != size_)
        return false;
    const unsigned char* at = bytes_.get();
    return eachPart(batch, [&at](const void* part, std::size_t size) {
        const bool same = std::memcmp(at, part, size) == 0;
        at += size;
        return same;
    });
}

void ShownFrame::remember(const QuadBatch& batch) {
    size_ = bytesOf(batch);
    if (size_ > capacity_) {
        bytes_.reset(new unsigned char[size_]);
        capacity_ = size_;
    }
    unsigned char* at = bytes_.get();
    eachPart(batch, [&at](const void* part, std::size_t size) {
        std::memcpy(at, part, size);
        at += size;
        return true;
    });
    known_ = true;
}
