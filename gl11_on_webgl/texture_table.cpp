#include "gl11_on_webgl/texture_table.h"

#include <cstring>

std::uint32_t TextureTable::add() {
    std::size_t index = 0;
    while (index < records_.size() && records_[index])
        ++index;
    if (index == records_.size())
        records_.emplace_back();
    records_[index].emplace();
    return static_cast<std::uint32_t>(index + 1);
}

bool TextureTable::remove(std::uint32_t name) {
    TextureRecord* record = find(name);
    if (record == nullptr)
        return false;
    records_[name - 1].reset();
    return true;
}

TextureRecord* TextureTable::find(std::uint32_t name) {
    if (name == 0 || name > records_.size() || !records_[name - 1])
        return nullptr;
    return &*records_[name - 1];
}

const TextureRecord* TextureTable::find(std::uint32_t name) const {
    return const_cast<TextureTable*>(this)->find(name);
}

void TextureTable::keepImage(TextureRecord& record, int width, int height, const void* pixels,
                             int alignment) {
    record.sampling.width = static_cast<float>(width);
    record.sampling.height = static_cast<float>(height);
    record.image.clear();
    if (pixels == nullptr || width <= 0 || height <= 0)
        return;
    const auto row = static_cast<std::size_t>(width) * 4;
    const auto step = alignment > 1 ? alignment : 1;
    const std::size_t stride = (row + step - 1) / step * step;
    record.image.resize(row * static_cast<std::size_t>(height));
    const auto* from = static_cast<const std::uint8_t*>(pixels);
    for (std::size_t y = 0; y < static_cast<std::size_t>(height); ++y)
        std::memcpy(record.image.data() + y * row, from + y * stride, row);
}
