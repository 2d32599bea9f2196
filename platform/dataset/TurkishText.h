// Turkish letter case, alphabetical order and LIKE for Qt strings: the rules of TurkishCollation.h,
// which the database's collation and LIKE follow too.
#pragma once

#include <QString>
#include <QStringView>

namespace dukkano {

QString turkishLower(QStringView text);   // I -> ı, İ -> i
QString turkishUpper(QStringView text);   // i -> İ, ı -> I
// Alphabetical order a b c ç d e f g ğ h ı i j ... ignoring case first; equal only when identical.
int turkishCompare(QStringView a, QStringView b);
// SQL LIKE with % and _ wildcards, Turkish case-insensitive.
bool turkishLike(QStringView pattern, QStringView text, QChar escape = QChar());

struct TurkishLess {
    bool operator()(const QString& a, const QString& b) const { return turkishCompare(a, b) < 0; }
};

} // namespace dukkano
