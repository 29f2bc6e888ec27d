#include "app/program_icon.h"

#include <QImage>
#include <QPixmap>

#include "assets/assets.h"

namespace app {

QIcon programIcon()
{
    const auto bytes = assets::programIcon();
    QImage image;
    image.loadFromData(bytes.data(), static_cast<int>(bytes.size()), "ICO");
    return QIcon(QPixmap::fromImage(image));
}

} // namespace app
