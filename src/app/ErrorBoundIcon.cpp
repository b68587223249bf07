#include "ErrorBoundIcon.h"

#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>

namespace {

// The badge's geometry in its 64 by 64 drawing (gen_svgs.py: tile() and label()).
constexpr double TileEdge = 2.5, TileSize = 59.0, TileRadius = 10.0, TileStroke = 2.5;
constexpr double BandTop = 33.0; // below the epsilon and the curve: the number alone
constexpr double TextCentre = 32.0, TextBaseline = 58.0, TextSize = 28.0, TextStroke = 3.2;
const QColor TileTop(0xf7, 0xa6, 0x4a), TileBottom(0xc9, 0x60, 0x0c), Outline(0x12, 0x26, 0x3f);

} // namespace

QIcon ErrorBoundIcon(double bound, const QLocale &locale)
{
    QImage badge(QStringLiteral(":/ToolbarIcons/ICO_DECIMATION01.png"));
    if (badge.isNull())
        return QIcon();
    badge = badge.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&badge);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(badge.width() / 64.0, badge.height() / 64.0);

    // The tile's own gradient over the band, inside its outline.
    const double inset = TileEdge + TileStroke / 2.0;
    QPainterPath inside;
    inside.addRoundedRect(QRectF(inset, inset, TileSize - TileStroke, TileSize - TileStroke),
                          TileRadius - TileStroke / 2.0, TileRadius - TileStroke / 2.0);
    QPainterPath band;
    band.addRect(QRectF(0.0, BandTop, 64.0, 64.0 - BandTop));
    QLinearGradient gradient(0.0, TileEdge, 0.0, TileEdge + TileSize);
    gradient.setColorAt(0.0, TileTop);
    gradient.setColorAt(1.0, TileBottom);
    painter.fillPath(inside.intersected(band), gradient);

    QFont font(QStringLiteral("DejaVu Sans Condensed"));
    font.setBold(true);
    font.setStretch(QFont::SemiCondensed); // where the condensed face is missing
    font.setPixelSize(int(TextSize));
    QPainterPath number;
    number.addText(0.0, 0.0, font, locale.toString(bound));
    // Wider numbers ("0,001" in a wider face) are narrowed to the tile.
    const double room = TileSize - 2.0 * TextStroke;
    const double width = number.boundingRect().width();
    const double narrowing = width > room ? room / width : 1.0;
    painter.translate(TextCentre - number.boundingRect().center().x() * narrowing, TextBaseline);
    painter.scale(narrowing, 1.0);
    painter.strokePath(number, QPen(Outline, TextStroke, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.fillPath(number, Qt::white);
    painter.end();
    return QIcon(QPixmap::fromImage(badge));
}
