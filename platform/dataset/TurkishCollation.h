// The Turkish alphabetical order, case folding and LIKE without Qt: one set of rules for the
// program's sorted lists, the shop file's TURKCE collation and like(), and the turkce extension.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

struct sqlite3;

namespace dukkano {

// Registers the TURKCE collation and the Turkish like() (with and without ESCAPE) for UTF-8 on a
// connection; returns an SQLite result code.
int registerTurkish(sqlite3* db);

namespace turkce {

// Texts are compared as UTF-16 code units; UTF-8 is decoded to code units as SQLite itself
// converts it (invalid bytes included), except that U+FFFF stays U+FFFF.
char16_t lower(char16_t unit);  // I -> ı, İ -> i, otherwise Unicode's lower case
char16_t upper(char16_t unit);  // i -> İ, ı -> I, otherwise Unicode's upper case

// Blanks and punctuation by code, then digits, then the Turkish alphabet a b c ç d e f g ğ h ı i j
// ... (q, w, x in their Latin places; â, î, û with a, i, u), then other letters, then U+FFFF.
std::uint32_t weight(char16_t unit);
// The weight of U+FFFF: above every other, so that a prefix followed by U+FFFF sorts after
// every text that begins with the prefix.
constexpr char16_t afterEverything = 0xFFFF;

// Letters first, ignoring case; shorter before longer; then, at the first differing unit, lower
// case before upper case, then by code. Equal only when identical.
int compare(std::u16string_view a, std::u16string_view b);
int compareUtf8(std::string_view a, std::string_view b);

// SQL LIKE: % any run of units, _ one unit, the escape unit makes the next one literal; units
// compare after lower(). Time is at most proportional to the pattern's length times the text's.
bool like(std::u16string_view pattern, std::u16string_view text, std::optional<char16_t> escape = {});
bool likeUtf8(std::string_view pattern, std::string_view text, std::optional<char16_t> escape = {});

// Whether every unit that like() takes for this one has its weight and sorts no earlier than
// its lower case, so that a search for a text beginning with it can be a TURKCE range.
// False only for the Roman numerals and the circled letters, whose cases sort apart.
bool rangeSearchable(char16_t unit);

} // namespace turkce
} // namespace dukkano
