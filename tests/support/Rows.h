#pragma once

#include <QTest>

#include <initializer_list>

// A table of texts as data rows, one line of the table a row: the first line names the columns,
// all of them texts; in the others the first text names the row, and columns left out at the end
// are empty.
inline void addRows(std::initializer_list<std::initializer_list<const char *>> table) {
    for (auto column = table.begin()->begin() + 1; column != table.begin()->end(); ++column)
        QTest::addColumn<QString>(*column);
    for (auto row = table.begin() + 1; row != table.end(); ++row) {
        QTestData &data = QTest::newRow(*row->begin());
        for (auto text = row->begin() + 1; text != row->end(); ++text)
            data << QString::fromUtf8(*text);
        for (auto left = row->size(); left < table.begin()->size(); ++left)
            data << QString();
    }
}

// The current row's text in the column.
inline QString column(const char *name) {
    return *static_cast<QString *>(QTest::qData(name, QMetaType::QString));
}
