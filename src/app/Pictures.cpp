#include "app/Pictures.h"

namespace ombrana::pictures {

QImage image(std::string_view name) {
    struct Named {
        std::string_view name;
        const Pixels* pixels;
    };
    static constexpr Named kPictures[] = {{"logo", &logo}};
    for (const Named& picture : kPictures) {
        if (picture.name != name) continue;
        const Pixels& p = *picture.pixels;
        return QImage(reinterpret_cast<const uchar*>(p.data), p.width, p.height,
                      p.alpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    }
    return {};
}

}  // namespace ombrana::pictures
