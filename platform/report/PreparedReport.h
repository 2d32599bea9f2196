// Prepared pages: every text, line and barcode with its final value and place on the page, in
// millimetres from the paper's top-left corner. Tests read them; the painter draws them.
#pragma once

#include "ReportTemplate.h"

#include <QLineF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <vector>

namespace dukkano::report {

struct PreparedText {
    QString objectName;
    QString text;
    QStringList lines;  // the text as it is broken to fit the box; the box is as tall as they need
    QRectF rect;
    FontSpec font;
    QColor color = Qt::black;
    HAlign hAlign = HAlign::Left;
    VAlign vAlign = VAlign::Top;
    bool frame = false;
};

struct PreparedLine {
    QString objectName;
    QLineF line;
    double width = 0.26;
    QColor color = Qt::black;
};

struct PreparedBarcode {
    QString objectName;
    QString data;
    QRectF rect;                // the object's box
    std::vector<QRectF> bars;   // empty when the data cannot be encoded
    QString error;
};

struct PreparedPage {
    int number = 1;
    QSizeF size;  // as printed: width x height
    bool landscape = false;
    std::vector<PreparedText> texts;
    std::vector<PreparedLine> lines;
    std::vector<PreparedBarcode> barcodes;

    // The texts of one template object, top to bottom (a master band's memo once per row).
    std::vector<const PreparedText*> textsOf(const QString& objectName) const;
    // The first text that reads exactly so; null when none does.
    const PreparedText* findText(const QString& text) const;
};

struct PreparedReport {
    QString name;
    std::vector<PreparedPage> pages;
};

} // namespace dukkano::report
