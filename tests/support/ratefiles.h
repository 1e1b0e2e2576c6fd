#pragma once

#include <QString>
#include <QStringList>

namespace norvel::test {

// Writes a database file keyed with the password given and runs the statements in it.
bool makeDatabase(const QString &path, const QByteArray &password, const QStringList &statements);

// The statements of a general-parameters table, with the rows given.
QStringList generalTable(const QStringList &rows);

// The statements of the rates' vintage, the shipped one.
QStringList vintageTable();

} // namespace norvel::test
