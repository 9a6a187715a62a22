#pragma once

#include <QFont>
#include <QString>

namespace platform::ui {

// A caption broken between words into lines no wider than `widthPixels` in
// `font`, as a command button or option wraps its caption; a caption that
// fits comes back unchanged, and a word wider than the width stands alone on
// its line.
QString WrapCaption(const QString& caption, const QFont& font, int widthPixels);

}  // namespace platform::ui
