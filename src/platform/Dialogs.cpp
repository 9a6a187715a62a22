#include "platform/Dialogs.h"

namespace platform {

bool IsDialogFontSize(double points) {
  return points >= kSmallestDialogFontSize && points <= kLargestDialogFontSize;
}

FontChoice WithinRequest(FontChoice choice, const FontRequest& request) {
  if (choice.face.trimmed().isEmpty()) choice.face = request.font.face;
  if (request.minSize > 0 && choice.size < request.minSize) choice.size = request.minSize;
  if (request.maxSize > 0 && choice.size > request.maxSize) choice.size = request.maxSize;
  return choice;
}

FontRequest FaceOnlyFontRequest(const QString& face, float points) {
  return FontRequest{FontChoice{face, points, false, false}, points, points, true};
}

}  // namespace platform
