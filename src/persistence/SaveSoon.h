#pragma once

#include <QDeadlineTimer>
#include <QObject>
#include <QTimer>

// When changes are saved: a second after the last one, and while changes go on at least every five
// seconds, so that little is lost to a crash or a lost display; nothing runs while nothing changes.
class SaveSoon : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SaveSoon)

public:
    explicit SaveSoon(QObject *parent = nullptr);

    void changed();
    void stop();

Q_SIGNALS:
    void due();

private:
    QTimer *m_timer;
    QDeadlineTimer m_atLatest; // five seconds after the first change not yet saved
};
