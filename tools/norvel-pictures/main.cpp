// norvel-pictures: draws the program's pictures (splash, work-area background, report logo)
// in French and English, so they can be remade from the repository at every build.
#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <cstdio>

namespace {

const QColor kNavy(0x1d, 0x35, 0x57);
const QColor kTeal(0x2a, 0x9d, 0x8f);

struct Language {
    const char *suffix;
    const char *plan;     // what the plan is
    const char *coverage; // its coverages
};

const Language kLanguages[] = {
    {"fr", "Assurance prêt hypothécaire", "Vie  ·  Invalidité"},
    {"en", "Mortgage Loan Insurance", "Life  ·  Disability"},
};

QFont font(int pixels, bool bold)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

void text(QPainter &p, const QRect &box, int pixels, bool bold, const QColor &color,
          const QString &s, int flags = Qt::AlignCenter)
{
    p.setFont(font(pixels, bold));
    p.setPen(color);
    p.drawText(box, flags, s);
}

QImage splash(const Language &l)
{
    QImage image(450, 338, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 338);
    sky.setColorAt(0, kNavy);
    sky.setColorAt(1, kNavy.darker(160));
    p.fillRect(image.rect(), sky);
    p.fillRect(QRect(60, 190, 330, 3), kTeal);
    text(p, QRect(0, 90, 450, 90), 64, true, Qt::white, QStringLiteral("Norvel"));
    text(p, QRect(0, 205, 450, 30), 20, false, Qt::white, QString::fromUtf8(l.plan));
    text(p, QRect(0, 240, 450, 24), 15, false, kTeal.lighter(140), QString::fromUtf8(l.coverage));
    return image;
}

QImage background(const Language &l)
{
    QImage image(1200, 800, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient wash(0, 0, 1200, 800);
    wash.setColorAt(0, QColor(0xe8, 0xee, 0xf3));
    wash.setColorAt(1, QColor(0xc9, 0xd6, 0xe2));
    p.fillRect(image.rect(), wash);
    text(p, QRect(0, 300, 1200, 160), 150, true, QColor(0xb4, 0xc4, 0xd3),
         QStringLiteral("Norvel"));
    text(p, QRect(0, 460, 1200, 50), 34, false, QColor(0xa2, 0xb4, 0xc5),
         QString::fromUtf8(l.plan));
    return image;
}

QImage logo(const Language &l)
{
    // 3450 x 960 twips on the report, drawn at 200 dots per inch.
    QImage image(479, 133, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(QRect(0, 0, 10, 133), kTeal);
    text(p, QRect(28, 8, 451, 76), 64, true, kNavy, QStringLiteral("Norvel"),
         Qt::AlignLeft | Qt::AlignVCenter);
    text(p, QRect(30, 86, 449, 34), 23, false, kNavy.lighter(150), QString::fromUtf8(l.plan),
         Qt::AlignLeft | Qt::AlignVCenter);
    return image;
}

bool save(const QImage &image, const QString &path)
{
    if (image.save(path, "JPEG", 92))
        return true;
    std::fprintf(stderr, "norvel-pictures: cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: norvel-pictures FONT.ttf PROGRAM_DIR\n");
        return 2;
    }
    if (QFontDatabase::addApplicationFont(QString::fromLocal8Bit(argv[1])) < 0) {
        std::fprintf(stderr, "norvel-pictures: cannot load the font %s\n", argv[1]);
        return 1;
    }
    const QDir out(QString::fromLocal8Bit(argv[2]));
    out.mkpath(QStringLiteral("Img"));
    out.mkpath(QStringLiteral("Data"));
    bool ok = true;
    for (const Language &l : kLanguages) {
        const QString s = QString::fromLatin1(l.suffix);
        ok &= save(splash(l), out.filePath(QStringLiteral("Img/wSplash2_%1.jpg").arg(s)));
        ok &= save(background(l), out.filePath(QStringLiteral("Data/wBackground_%1.jpg").arg(s)));
        ok &= save(logo(l), out.filePath(QStringLiteral("Img/logo-rapport_%1.jpg").arg(s)));
    }
    return ok ? 0 : 1;
}
