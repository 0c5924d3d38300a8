#include "controls/FlatBttn.h"

FlatBttn::FlatBttn(const QString &caption, QWidget *parent)
    : QPushButton(caption, parent) {
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, &FlatBttn::Click);
}

void FlatBttn::setBorderless(bool borderless) {
    setFlat(borderless);
}
