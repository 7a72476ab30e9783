#include "ui/help/picture_file.h"

#include <optional>
#include <string>

#include "support/regular_file.h"

namespace gorbix::help {

QPixmap loadPictureFile(const QString& path) {
  QPixmap picture;
  const std::optional<std::string> bytes = readRegularFile(path.toStdString(), kMaxAssetBytes);
  if (bytes) picture.loadFromData(reinterpret_cast<const uchar*>(bytes->data()), static_cast<uint>(bytes->size()));
  return picture;
}

}  // namespace gorbix::help
