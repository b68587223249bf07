#pragma once

#include <QString>

// One definition of the version, shared by start-up, the update query and the About dialog.
namespace lumeno::version {

constexpr int Major = 0;
constexpr int Minor = 9;
constexpr int Revision = 1;
constexpr int Build = 20140802;

// "0.9.1.20140802"
inline QString applicationVersion()
{
    return QStringLiteral("%1%2%3%4%5%6%7")
        .arg(QString::number(Major), QStringLiteral("."), QString::number(Minor), QStringLiteral("."),
             QString::number(Revision), QStringLiteral("."), QString::number(Build));
}

} // namespace lumeno::version
