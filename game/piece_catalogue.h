#pragma once

#include <vector>

#include "game/piece.h"
#include "render/sprite.h"
#include "render/texture.h"

// The number of block colours: black plus the seven piece colours.
inline constexpr int kBlockColours = 8;

// Cuts the sixteen 30x30 block sprites from the atlas, one pixel inside each 32-pixel block.
// Element k of either array shows colour k (red, green and blue are bits 0, 1 and 2 of k):
// plain in `brightBlocks`, darkened in `darkBlocks`.
void cutBlockSprites(const Texture& atlas, std::vector<Sprite>& brightBlocks,
                     std::vector<Sprite>& darkBlocks);

// The seven shapes in catalogue order; shape p has colour p + 1. A piece falls in the plain
// shade and locks in the dark one. The pieces keep pointers into both arrays, which must not
// change size afterwards.
std::vector<Piece> buildPieces(std::vector<Sprite>& brightBlocks, std::vector<Sprite>& darkBlocks);
