// Taking a stored sale back, one line or the whole sale: the units go back into stock, the
// sale's total and its customer's debt go down, each in one transaction.
#pragma once

#include "Money.h"

#include <QString>

namespace dukkano {

class Database;
class Dataset;

// What cancelling the whole sale gives back: the sum of its remaining line amounts. Together with
// the line returns before it, that is exactly what the sale added to its customer's debt.
Money iptalTutari(Database& db, qint64 satisNo);

// Why a line of the sale (any line, when urunSatisNo is 0) cannot go back into stock; empty when
// it can. Stock holds whole units, so a line with a fractional quantity, which only a file
// written by another program can hold, is refused.
QString iadeEngeli(Database& db, qint64 satisNo, qint64 urunSatisNo = 0);

// Takes back the current line of `satirlar`, a line of the current sale of `satislar`: its units
// back into the product's stock when the product still exists, its amount off the sale's total
// and off the debt of the sale's customer, the line deleted, and the sale row too once its total
// is 0 and no line is left. Throws DataError and changes nothing when it cannot; the objects
// then show what is stored, on the same rows.
void satiriIadeEt(Dataset& satislar, Dataset& satirlar);

// Cancels the current sale of `satislar`: every line's units back into stock, its customer's
// debt lowered by iptalTutari, the lines and the sale row deleted. Throws DataError and changes
// nothing when it cannot.
void satisiIptalEt(Dataset& satislar);

} // namespace dukkano
