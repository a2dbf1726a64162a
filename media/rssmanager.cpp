#include "media/rssmanager.h"

#include <QLabel>
#include <QVBoxLayout>

RssManager::RssManager(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    auto* note = new QLabel(tr("Chưa có nguồn phim nào."), this);
    note->setAlignment(Qt::AlignCenter);
    layout->addWidget(note);
}
