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

RunFields fieldsOf(const QuadRun& run) {
    return RunFields{run.texture, run.exact, static_cast<std::uint32_t>(run.firstQuad),
                     static_cast<std::uint32_t>(run.quads)};
}

std::size_t cornerBytes(const QuadBatch& batch) {
    return batch.vertices().size() * sizeof(QuadVertex);
}

}  // namespace

// Compared byte for byte: a corner that moved by any amount, or a zero that changed sign, is
// drawn again.
bool ShownFrame::repeats(const QuadBatch& batch) const {
    const std::size_t corners = cornerBytes(batch);
    if (!known_ || corners + batch.runs().size() * sizeof(RunFields) != size_ ||
        (corners != 0 && std::memcmp(bytes_.get(), batch.vertices().data(), corners) != 0))
        return false;
    const unsigned char* at = bytes_.get() + corners;
    for (const QuadRun& run : batch.runs()) {
        const RunFields fields = fieldsOf(run);
        if (std::memcmp(at, &fields, sizeof fields) != 0)
            return false;
        at += sizeof fields;
    }
    return true;
}

void ShownFrame::remember(const QuadBatch& batch) {
    const std::size_t corners = cornerBytes(batch);
    size_ = corners + batch.runs().size() * sizeof(RunFields);
    if (size_ > capacity_) {
        bytes_.reset(new unsigned char[size_]);
        capacity_ = size_;
    }
    if (corners != 0)
        std::memcpy(bytes_.get(), batch.vertices().data(), corners);
    unsigned char* at = bytes_.get() + corners;
    for (const QuadRun& run : batch.runs()) {
        const RunFields fields = fieldsOf(run);
        std::memcpy(at, &fields, sizeof fields);
        at += sizeof fields;
    }
    known_ = true;
}
