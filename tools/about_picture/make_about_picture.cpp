// Draws the About box picture: 306 x 188 pixels, 24-bit colour, of which the
// box shows the top-left 297 x 186. A dark band at the top carries the
// program's name and a key; the lighter lower part is left calm for the
// scrolling text (about y 112 to 134), the "OK" button (bottom left) and the
// blinking "FreeWare" (bottom right).
//
// Usage: make_about_picture OUTPUT.png   (QT_QPA_PLATFORM=offscreen is fine)

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTextStream>

#include <array>

namespace {

constexpr int kWidth = 306;
constexpr int kHeight = 188;
constexpr int kBandBottom = 98;

QFont Font(const QString& family, int pixels, bool bold = false, bool italic = false) {
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setItalic(italic);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

// The top band: navy to teal, with rows of faint numbers in the manner of the
// numbers the program completes.
void DrawBand(QPainter& p) {
    QPainterPath band;
    band.moveTo(0, 0);
    band.lineTo(kWidth, 0);
    band.lineTo(kWidth, kBandBottom - 12);
    band.cubicTo(220, kBandBottom + 6, 110, kBandBottom - 18, 0, kBandBottom);
    band.closeSubpath();

    QLinearGradient sky(0, 0, kWidth, kBandBottom);
    sky.setColorAt(0.0, QColor(0x12, 0x2b, 0x52));
    sky.setColorAt(0.6, QColor(0x1b, 0x55, 0x7a));
    sky.setColorAt(1.0, QColor(0x21, 0x7a, 0x8c));
    p.fillPath(band, sky);

    p.save();
    p.setClipPath(band);
    p.setFont(Font(QStringLiteral("DejaVu Sans Mono"), 11));
    const std::array<const char*, 8> rows = {
        "2 71 04 63 118 042 37   4 20 11 09 5",  "7 3 9 0 1 8 2 6 5 4 4 6 1 0 3 9 7 2",
        "30004 01357 00012345678 64   8 1 6",    "0 4 0 2 1 3 5 7 9 8 6 4 2 0 9 7 5 3",
        "978 2 1234 5680 3   5 41 17 20 000",    "6 1 8 3 0 5 2 7 9 4 1 6 3 8 0 2 5 7",
        "4970 1234 5678 9012   3 8 5 0 6 1 2",   "1 9 2 8 3 7 4 6 5 0 5 6 4 7 3 8 2 9",
    };
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        p.setPen(QColor(255, 255, 255, i % 2 ? 18 : 30));
        p.drawText(-6 - (i % 3) * 9, 12 + i * 12, QString::fromLatin1(rows[static_cast<std::size_t>(i)]));
    }
    p.restore();

    // A thin gold edge under the band.
    QPainterPath edge;
    edge.moveTo(kWidth, kBandBottom - 12);
    edge.cubicTo(220, kBandBottom + 6, 110, kBandBottom - 18, 0, kBandBottom);
    p.setPen(QPen(QColor(0xd9, 0xa4, 0x41), 2));
    p.drawPath(edge);
}

// A key lying across the right of the band, its bow a ring, its bit cut like
// the digits of a key.
void DrawKey(QPainter& p) {
    p.save();
    p.translate(238, 44);
    p.rotate(-28);

    QLinearGradient brass(0, -14, 0, 14);
    brass.setColorAt(0.0, QColor(0xf6, 0xd8, 0x7a));
    brass.setColorAt(0.5, QColor(0xd9, 0xa4, 0x41));
    brass.setColorAt(1.0, QColor(0x9c, 0x6b, 0x1c));

    QPainterPath key;
    key.addEllipse(QPointF(-36, 0), 19, 19);  // the bow
    key.addRect(QRectF(-20, -4.5, 70, 9));    // the shaft
    // The bit: teeth of differing depth.
    const std::array<int, 4> depths = {12, 7, 14, 9};
    for (int i = 0; i < static_cast<int>(depths.size()); ++i)
        key.addRect(QRectF(22 + i * 7, 3, 6, depths[static_cast<std::size_t>(i)]));
    key.setFillRule(Qt::WindingFill);
    QPainterPath hole;
    hole.addEllipse(QPointF(-36, 0), 9, 9);
    key = key.simplified().subtracted(hole);

    p.setPen(QPen(QColor(0x6e, 0x4a, 0x12), 1.2));
    p.setBrush(brass);
    p.drawPath(key);
    // A glint on the bow.
    p.setPen(QPen(QColor(255, 250, 230, 170), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(-52, -16, 32, 32), 100 * 16, 60 * 16);
    p.restore();
}

void DrawTitle(QPainter& p) {
    p.setFont(Font(QStringLiteral("DejaVu Serif"), 32, true, true));
    p.setPen(QColor(0, 0, 0, 90));
    p.drawText(18, 50, QStringLiteral("Ferrino"));
    p.setPen(Qt::white);
    p.drawText(16, 48, QStringLiteral("Ferrino"));

    p.setFont(Font(QStringLiteral("DejaVu Sans"), 12));
    p.setPen(QColor(0xcf, 0xe6, 0xee));
    p.drawText(19, 70, QString::fromUtf8("Calcul de clés de contrôle"));
}

// The lower part: a pale wash with, at the bottom, a row of digit boxes as on
// a form, the key box ticked.
void DrawLower(QPainter& p) {
    QLinearGradient wash(0, kBandBottom - 20, 0, kHeight);
    wash.setColorAt(0.0, QColor(0xf8, 0xfa, 0xfc));
    wash.setColorAt(1.0, QColor(0xdc, 0xe6, 0xef));
    p.fillRect(QRect(0, kBandBottom - 20, kWidth, kHeight - kBandBottom + 20), wash);

    QRadialGradient glow(QPointF(150, 124), 150);
    glow.setColorAt(0.0, QColor(255, 255, 255, 200));
    glow.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.fillRect(QRect(0, kBandBottom, kWidth, kHeight - kBandBottom), glow);

    // Between the "OK" button (up to x 83) and "FreeWare" (from about x 200),
    // level with them.
    p.setFont(Font(QStringLiteral("DejaVu Sans Mono"), 9));
    const QString digits = QStringLiteral("4207913");
    constexpr int kLeft = 96, kTop = 159, kStep = 11;
    for (int i = 0; i < digits.size(); ++i) {
        const QRect box(kLeft + i * kStep, kTop, 10, 13);
        p.setPen(QColor(0xa9, 0xbb, 0xcc));
        p.setBrush(QColor(255, 255, 255, 160));
        p.drawRect(box);
        p.setPen(QColor(0x93, 0xa8, 0xbd));
        p.drawText(box, Qt::AlignCenter, QString(digits.at(i)));
    }
    // The key box, ticked.
    const QRect keyBox(kLeft + static_cast<int>(digits.size()) * kStep + 3, kTop, 13, 13);
    p.setPen(QColor(0x6f, 0xa8, 0x7c));
    p.setBrush(QColor(0xe4, 0xf3, 0xe7));
    p.drawRect(keyBox);
    p.setPen(QPen(QColor(0x2e, 0x8b, 0x57), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({QPointF(keyBox.left() + 3, keyBox.top() + 7), QPointF(keyBox.left() + 6, keyBox.top() + 10),
                              QPointF(keyBox.left() + 10, keyBox.top() + 3)}));
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: make_about_picture OUTPUT.png\n";
        return 2;
    }
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        DrawLower(p);
        DrawBand(p);
        DrawKey(p);
        DrawTitle(p);
    }
    // 24-bit colour, no alpha channel.
    if (!image.convertToFormat(QImage::Format_RGB888).save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        QTextStream(stderr) << "cannot write " << argv[1] << "\n";
        return 1;
    }
    return 0;
}
