// The main window's own utilities: the background picture, the low-stock banner (`tukenenStokBandi`),
// the database backup, and the help and about windows. Not built yet: each does nothing.
#include "Mdiunit.h"

namespace dukkano {

void TMdiForm::applyPictureSettings() {}
void TMdiForm::storePictureSettings() {}
void TMdiForm::checkLowStock() {}
void TMdiForm::VeritabannYedekle1Click() {}
void TMdiForm::menuResimSecClick() {}
void TMdiForm::menuResimGostermeClick() {}
void TMdiForm::dukkanoyardimClick() {}
void TMdiForm::programHakknda1Click() {}

} // namespace dukkano
