#pragma once
// Frameless windows take their outline from the opaque pixels of their background image.
#include <QString>

class QWidget;

// Sets window's mask from the image resource. A missing or unreadable image leaves the
// window rectangular, with a warning, and returns false: the program goes on.
bool shapeWindowFromImage(QWidget* window, const QString& imageResource);
// A popup drawn by its background image: no frame, outline from the image, and kept above
// other windows when asked or when the user's setting says so.
void makeFramelessShaped(QWidget* window, const QString& imageResource, bool alwaysOnTop = false);
