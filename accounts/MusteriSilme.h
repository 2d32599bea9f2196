// The one way a customer is deleted, from every list, grid and button: refused while the
// customer owes money, asked, then deleted by key.
#pragma once

namespace dukkano {

class Dataset;

// The current row of `musteriler` (any object on Musteriler): the debt stored for its key is
// checked, the question asked, and on Yes the row is deleted. True when it was deleted.
bool musteriyiSil(Dataset& musteriler);

} // namespace dukkano
