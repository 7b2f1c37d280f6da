#include <QDir>

#include "DialogGalleries.h"
#include "GallerySheet.h"

namespace sockwright::pictures {

void addAccountDialogs(GallerySheet&, const QDir&) {}

}  // namespace sockwright::pictures
