#pragma once

#include <QString>

// The alarm message box as last shown: its prompt, button style (0: a single OK button) and title.
struct AlertMessage {
    QString strMsgPrompt;
    qint16 intMsgStyle = 0;
    QString strMsgTitle;
};
