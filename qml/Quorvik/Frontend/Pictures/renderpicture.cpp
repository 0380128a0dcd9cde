// quorvik-render-picture: renders one SVG source into the PNG or WebP file a page
// shows. Used at build time only.
//
//   quorvik-render-picture <source.svg> <output.png|.webp> <W>x<H>
//
// W or H may be 0: it then follows the drawing's own aspect ratio. When both are
// given they must keep that ratio, so a picture is never drawn distorted.
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

#include <cmath>

static int fail(const QString &message)
{
    QTextStream(stderr) << "quorvik-render-picture: " << message << '\n';
    return 1;
}

int main(int argc, char *argv[])
{
    // Text in the drawings needs the font database, but never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
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

    QSvgRenderer renderer(source);
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
