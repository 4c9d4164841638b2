#pragma once

// The frames the picture check compares, set up and drawn the same way natively and in the
// browser, each into the current GL context by the game itself.
namespace PictureScenes {
// 0: the benchmark's full well at rest, every quad on whole pixels (drawn unfiltered in the
// browser); 1: a piece in an empty well 30 ms into a quarter turn, its blocks turned part way
// (drawn with linear filtering and GL_CLAMP's border); 2: the GL state changed between quads, as
// the game never does it (state_change_scene.h).
inline constexpr int kCount = 3;
inline constexpr int kWidth = 800;
inline constexpr int kHeight = 600;

// False when the scene could not be set up.
bool draw(int scene);
}  // namespace PictureScenes
