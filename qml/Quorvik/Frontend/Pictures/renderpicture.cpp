// quorvik-render-picture: renders one SVG source into the PNG or WebP file a page
// shows. Used at build time only.
//
//   quorvik-render-picture <source.svg> <output.png|.webp> <W>x<H>
//
// W or H may be 0: it then follows the drawing's own aspect ratio. When both are
// given they must keep that ratio, so a picture is never drawn distorted.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTextStream>

#include <cmath>

static int fail(const QString &message)
{
    QTextStream(stderr) << "quorvik-render-picture: " << message << '\n';
    return 1;
}

int main(int argc, char *argv[])
{
    // Text in the drawings needs the offscreen platform's font database (the
    // minimal platform draws boxes), but never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // That platform wants a runtime folder; a private one saves a warning per picture.
    QTemporaryDir runtimeDir;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtimeDir.isValid())
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeDir.path()));
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4)
        return fail(QStringLiteral("usage: quorvik-render-picture <source.svg> <output> <W>x<H>"));

    const QString source = args.at(1);
    const QString output = args.at(2);
    const QStringList size = args.at(3).split(QLatin1Char('x'));
    bool okW = false, okH = false;
    int width = size.value(0).toInt(&okW);
    int height = size.value(1).toInt(&okH);
    if (size.size() != 2 || !okW || !okH || width < 0 || height < 0 || (width == 0 && height == 0))
        return fail(QStringLiteral("bad size ") + args.at(3));

    QFile svg(source);
    if (!svg.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("cannot read ") + source);
    const QByteArray content = svg.readAll();
    // A missing font would be replaced silently and the picture shipped with the wrong lettering.
    static const QRegularExpression family(QStringLiteral("font-family=\"([^\"]+)\""));
    for (auto m = family.globalMatch(QString::fromUtf8(content)); m.hasNext();) {
        const QString name = m.next().captured(1);
        if (!QFontDatabase::hasFamily(name))
            return fail(QStringLiteral("font \"%1\" of %2 is not installed").arg(name, source));
    }

    QSvgRenderer renderer(content);
    if (!renderer.isValid())
        return fail(QStringLiteral("cannot read ") + source);
    const QRectF box = renderer.viewBoxF();
    if (box.isEmpty())
        return fail(source + QStringLiteral(" has no view box"));
    const double aspect = box.width() / box.height();
    if (width == 0)
        width = qRound(height * aspect);
    else if (height == 0)
        height = qRound(width / aspect);
    else if (std::abs(double(width) / height - aspect) / aspect > 0.02)
        return fail(QStringLiteral("%1x%2 does not keep the aspect ratio %3 of %4")
                        .arg(width).arg(height).arg(aspect).arg(source));

    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform
                               | QPainter::TextAntialiasing);
        renderer.render(&painter, QRectF(0, 0, width, height));
    }

    QDir().mkpath(QFileInfo(output).absolutePath());
    QImageWriter writer(output);
    const QByteArray format = QFileInfo(output).suffix().toLower().toLatin1();
    writer.setFormat(format);
    // Flat drawings: lossless WebP is both exact and small. (For PNG the quality
    // would set the compression, 100 meaning none, so it is left alone there.)
    if (format == "webp")
        writer.setQuality(100);
    if (!writer.write(image.convertToFormat(QImage::Format_ARGB32)))
        return fail(QStringLiteral("cannot write %1: %2").arg(output, writer.errorString()));
    return 0;
}
