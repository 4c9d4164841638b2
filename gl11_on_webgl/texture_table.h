#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

// How a texture is sampled beyond what WebGL's own sampler does: GL_CLAMP on an axis blends
// the edge texels with the (black, transparent) border under linear filtering, which WebGL's
// clamping to the edge does not.
struct TextureSampling {
    float width = 0;  // 0: no image yet
    float height = 0;
    bool clampS = false;
    bool clampT = false;
};

// One of the program's textures: what WebGL calls it in the present context, how it is
// sampled, and its image, kept so that a restored context can be given it again.
struct TextureRecord {
    std::uint32_t webglName = 0;  // 0: none in the present context
    TextureSampling sampling;
    // The filter WebGL has for it on both axes, so that a draw sets it only when it changes;
    // 0: not known.
    std::int32_t webglFilter = 0;
    // RGBA rows of width * 4 bytes with nothing between them; empty when the image was given
    // without pixels.
    std::vector<std::uint8_t> image;
};

// The textures the translation hands out, under names of its own: a lost WebGL context takes
// its objects with it, and those made again on restore get other WebGL names than the ones
// the program holds. The program's images are small (the block atlas and the read-outs), so a
// copy of each is kept for the upload after a restore.
class TextureTable {
  public:
    // A name never 0 and not in use: the lowest free one, as GL hands names out again.
    std::uint32_t add();
    // False when the name was not in use.
    bool remove(std::uint32_t name);
    // Null unless the name is in use.
    TextureRecord* find(std::uint32_t name);
    const TextureRecord* find(std::uint32_t name) const;

    // Keeps the image as glTexImage2D unpacks RGBA bytes: `height` rows of `width` texels, each
    // row starting at a multiple of `alignment` bytes from the first; `pixels` null: none given.
    static void keepImage(TextureRecord& record, int width, int height, const void* pixels,
                          int alignment);

    // Calls visit(name, record) for every name in use, in the order of the names.
    template <typename Visit>
    void forEach(Visit visit) {
        for (std::size_t index = 0; index < records_.size(); ++index) {
            if (records_[index])
                visit(static_cast<std::uint32_t>(index + 1), *records_[index]);
        }
    }

  private:
    std::vector<std::optional<TextureRecord>> records_;  // the name less one
};
