#include <QDir>

#include "DialogGalleries.h"
#include "GallerySheet.h"

namespace sockwright::pictures {

void addSelectionDialogs(GallerySheet&, const QDir&) {}

}  // namespace sockwright::pictures
