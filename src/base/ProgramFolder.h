#pragma once
#include <QString>

// The folder of the running program: every archive, the password store and the exports live there.
namespace ProgramFolder {

// With a trailing '/'.
QString path();
QString file(const QString &name);
// Tests point the program at a folder of their own.
void setForTests(const QString &folder);

} // namespace ProgramFolder
