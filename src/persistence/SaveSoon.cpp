#include "persistence/SaveSoon.h"

#include <algorithm>

using namespace Qt::StringLiterals;

SaveSoon::SaveSoon(QObject *parent)
    : QObject(parent)
    , m_timer(new QTimer(this)) {
    m_timer->setObjectName(u"tmrSave"_s);
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &SaveSoon::due);
}

void SaveSoon::changed() {
    if (!m_timer->isActive())
        m_atLatest.setRemainingTime(5000);
    m_timer->start(int(std::min<qint64>(1000, m_atLatest.remainingTime())));
}

void SaveSoon::stop() {
    m_timer->stop();
}
