// Code 128 symbols from libzint, as bars measured in modules so that any size can be painted.
#pragma once

#include <QRectF>
#include <QString>
#include <vector>

namespace dukkano::report {

struct Code128 {
    // x and width in modules from the outer edge of the left quiet zone; y 0 and height 1.
    std::vector<QRectF> bars;
    int modules = 0;  // whole width, both 10-module quiet zones included
    QString error;    // why the text cannot be encoded; empty when it was
    bool ok() const { return error.isEmpty(); }
};

Code128 encodeCode128(const QString& data);

} // namespace dukkano::report
