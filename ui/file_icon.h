// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An icon drawn from one image file per size, each file read only when a
// size near it is asked for, and then kept. QIcon::addFile decodes every
// file at once: for the program's icon that was seven images decoded before
// the window could open, of which the offscreen platform uses none.

#include <QIcon>
#include <QSize>
#include <QString>

#include <utility>
#include <vector>

namespace cnc::ui {

// `files`: each image's size and path, a raw image (raw_image.h) of that
// size. The icon gives the smallest image at
// least as large as the size asked for, scaled down to fit it, or the largest.
QIcon iconFromFiles(std::vector<std::pair<QSize, QString>> files);

}  // namespace cnc::ui
