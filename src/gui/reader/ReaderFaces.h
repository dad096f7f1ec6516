#pragma once

#include <QIcon>

// The picture faces of the reader's buttons, drawn by the program.
namespace readerfaces {

enum class Face { Previous, Next, LayBookmark, GoToBookmark, Contents, Exit };

QIcon icon(Face face);

} // namespace readerfaces
