#pragma once

#include <QList>
#include <QObject>

#include <initializer_list>

struct FieldSelection;
class QLineEdit;
class UpDown;

// Time fields stepped by one spin button. A click on a field, or Up or Down in it, selects its text
// and makes its kind the one that the spin buttons of the window step: the kinds of the group are
// set, the clicked one on and the others off, and the kinds of other groups stay as they were. An
// arrow then steps each field of the group whose kind is on, from the number it shows.
class SteppedFields : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SteppedFields)

public:
    // Hour24 is an hour of the 24-hour clock: selected with the hours, stepped through 00 to 23.
    enum class Kind { Hour, Hour24, Minute, Second, AmPm };
    struct Field {
        QLineEdit *box;
        Kind kind;
    };

    SteppedFields(UpDown *upDown, FieldSelection &selection, std::initializer_list<Field> fields,
                  QObject *parent);

Q_SIGNALS:
    // After a step has written the field: one whole change.
    void stepped(QLineEdit *field);

private:
    bool &isSelected(Kind kind) const;
    void select(const Field &clicked);
    void step(bool up);

    FieldSelection &m_selection;
    QList<Field> m_fields;
};
