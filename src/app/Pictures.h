#pragma once

#include <QImage>

#include <cstdint>
#include <string_view>

namespace ombrana::pictures {

// A picture of the program, turned into pixels by the build (0xffRRGGBB, or
// premultiplied 0xAARRGGBB when it has transparency): showing it reads no
// file and loads no image plug-in.
struct Pixels {
    int width;
    int height;
    bool alpha;
    const std::uint32_t* data;
};

extern const Pixels logo;  // resources/images/logo.jpg, the splash's

// The picture of that name ("logo") over its compiled-in pixels, without a
// copy; a null image for a name the program has no picture for.
QImage image(std::string_view name);

}  // namespace ombrana::pictures
