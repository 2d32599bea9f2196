// Encoding through libzint's vector output: 2 units per module, quiet zones added by zint.
#include "Barcode.h"

#include <zint.h>

#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace dukkano::report {

Code128 encodeCode128(const QString& data)
{
    Code128 result;
    if (data.isEmpty()) {
        result.error = u"Barkod metni boş."_s;
        return result;
    }
    const std::unique_ptr<zint_symbol, decltype(&ZBarcode_Delete)> symbol(ZBarcode_Create(), &ZBarcode_Delete);
    symbol->symbology = BARCODE_CODE128;
    symbol->input_mode = UNICODE_MODE;
    symbol->show_hrt = 0;  // we print the text ourselves, in the template's font
    symbol->output_options |= BARCODE_QUIET_ZONES;
    const QByteArray utf8 = data.toUtf8();
    const int encoded = ZBarcode_Encode(symbol.get(), reinterpret_cast<const unsigned char*>(utf8.constData()),
                                        int(utf8.size()));
    if (encoded >= ZINT_ERROR || ZBarcode_Buffer_Vector(symbol.get(), 0) >= ZINT_ERROR) {
        result.error = u"\"%1\" Code 128 barkoduna çevrilemedi (%2)."_s
                           .arg(data, QString::fromLatin1(symbol->errtxt));
        return result;
    }
    const zint_vector* vector = symbol->vector;
    result.modules = symbol->width + 20;
    const double unitsPerModule = vector->width / result.modules;
    for (const zint_vector_rect* r = vector->rectangles; r; r = r->next)
        result.bars.emplace_back(r->x / unitsPerModule, 0, r->width / unitsPerModule, 1);
    return result;
}

} // namespace dukkano::report
