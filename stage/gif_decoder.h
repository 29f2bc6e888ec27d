#pragma once

#include <span>
#include <vector>

#include "stage/picture.h"

namespace stage {

// Decodes a GIF file held in memory into its composed frames: each image is drawn onto a canvas of the
// logical screen's size that starts fully transparent, honouring the image's transparent index and the
// previous image's disposal method. A frame shows for its delay x 10 ms, or 50 ms when the delay is 0.
// A file that cannot be read gives no frames.
[[nodiscard]] std::vector<RawFrame> decodeGif(std::span<const unsigned char> bytes);

} // namespace stage
