#pragma once

#include <QString>

namespace gs {

class ImageComposition;

// Writes the composed picture to fileName in the format its extension names, compared
// without regard to case: ".bmp" (a black-and-white copy, 1 bit per pixel), ".gif"
// (interlaced), ".jpg" (quality 90, 24-bit, not progressive) or ".pdf" (one A4 page laid out
// as printing lays it out). On failure nothing is written, an existing file stays unchanged
// and error gets a German message naming the file and the reason.
bool ExportPicture(const ImageComposition &composition, const QString &fileName, QString &error);

} // namespace gs
