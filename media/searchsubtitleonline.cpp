#include "media/searchsubtitleonline.h"

SearchSubtitleOnline::SearchSubtitleOnline(bool, QString, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("SearchSubtitleOnline"));
}
