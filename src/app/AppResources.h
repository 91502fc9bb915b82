#pragma once

#include <QPixmap>
#include <QString>

// The editor's pictures, icons and sound live in a resource file compiled into
// the static GUI library; a static library's resources are only linked in when
// someone asks for them. Call this before loading anything from ":/"; calling
// it again does nothing.
void EnsureAppResources();

// A picture at its own size for a screen of `pixelRatio`. Drawings (".svg")
// are rendered at that ratio so they stay sharp; other files are read as they
// are. A missing or unreadable file gives a null pixmap.
QPixmap LoadPicture(const QString& path, qreal pixelRatio);
