// Draws `simgeler`: a coloured tile with one white symbol per command.
#include "ImageList.h"

#include <QFont>
#include <QPainter>
#include <QPixmap>

#include <iterator>

using namespace Qt::Literals::StringLiterals;

namespace dukkano {
namespace {

struct Tile {
    int index;
    const char* symbol;  // UTF-8, found in the DejaVu fonts
    QRgb colour;
};

constexpr Tile tiles[] = {
    {0, "+", 0x2e7d32},   // stock entry and return
    {1, "☰", 0x6a1b9a},   // account list, shop header entry
    {2, "₺", 0xc62828},   // point of sale
    {3, "↶", 0xef6c00},   // sale cancellation
    {4, "☀", 0xf9a825},   // day summary
    {5, "▤", 0x1565c0},   // stock list
    {6, "≡", 0x00838f},   // sales detail
    {7, "✖", 0x424242},   // exit
    {8, "%", 0xad1457},   // bulk price change
    {9, "☺", 0x283593},   // customer
    {12, "✎", 0x4e342e},  // barcode label designer
    {17, "▦", 0x00695c},  // sales by product
    {18, "▣", 0x558b2f},  // choose background picture
    {19, "i", 0x0277bd},  // about
    {20, "☷", 0x4527a0},  // customer list
    {21, "◩", 0x5d4037},  // background picture
    {23, "▥", 0x1565c0},  // products report
    {26, "▮", 0x37474f},  // barcode labels
    {29, "∑", 0x00838f},  // sales report
    {30, "−", 0xbf360c},  // expenses
    {33, "₺", 0x6a1b9a},  // customer debts report
    {34, "⚙", 0x455a64},  // receipt header settings
    {36, "✱", 0x827717},  // opening password
    {37, "⇩", 0x2e7d32},  // database backup
    {38, "≣", 0x283593},  // customer sale details
    {40, "⊕", 0x0097a7},  // new product group
    {41, "⊞", 0x0097a7},  // product group list
    {42, "?", 0x0277bd},  // help topics
};

QIcon drawTile(const Tile& tile)
{
    QPixmap pixmap(imageList1Size, imageList1Size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor::fromRgb(tile.colour));
    painter.drawRoundedRect(QRectF(3, 3, imageList1Size - 6, imageList1Size - 6), 9, 9);
    QFont font(u"DejaVu Sans"_s);
    font.setPixelSize(30);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(pixmap.rect(), Qt::AlignCenter, QString::fromUtf8(tile.symbol));
    painter.end();
    return QIcon(pixmap);
}

} // namespace

QList<QIcon> makeSimgeler()
{
    QList<QIcon> icons(tiles[std::size(tiles) - 1].index + 1);  // tiles are in index order
    for (const Tile& tile : tiles)
        icons[tile.index] = drawTile(tile);
    return icons;
}

} // namespace dukkano
