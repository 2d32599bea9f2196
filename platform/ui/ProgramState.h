// Program-wide state shared by the main window and the work windows.
#pragma once

#include <QString>

namespace dukkano {

using namespace Qt::Literals::StringLiterals;

// A work window is open; while set, guarded commands refuse to open another.
inline bool acikFormVar = false;

inline QString kayitliKullaniciAdi;
inline QString kayitliSifre;

// The refusal of the one-work-window rule.
inline const QString acikFormMesaji = u"Lütfen Önce Açık Olan Formu Kapatın."_s;

} // namespace dukkano
