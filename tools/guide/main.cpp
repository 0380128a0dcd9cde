// Renders the reference guide: Markdown chapters, pictures of the real pages and the logo
// into one A4 PDF with a title page, a contents page and page numbers.
#include <QCommandLineParser>
#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QAbstractTextDocumentLayout>

#include <cmath>
#include <cstdio>

namespace {

constexpr int kDpi = 96;
constexpr qreal kMargin = 72;     // about 19 mm at 96 dpi
constexpr qreal kFooter = 30;

struct Heading
{
    int level;
    QString text;
    int page;   // 0-based page of the body
};

void fail(const QString &text)
{
    std::fprintf(stderr, "quorvik-guide: %s\n", qPrintable(text));
    std::exit(1);
}

QString readText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        fail(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
    return QString::fromUtf8(file.readAll());
}

// Every text of the guide is drawn in this font. Any letter spacing turns ligatures off, so
// the PDF's text layer keeps "ti" and "tt" searchable (a reader copies "Written", not "Wri en"),
// on the title page and in the footers as much as in the chapters.
QFont guideFont(qreal pointSize)
{
    QFont font(QStringLiteral("Carlito"));
    font.setPointSizeF(pointSize);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0.05);
    return font;
}

void setupDocument(QTextDocument &doc, QPdfWriter &writer, const QSizeF &page)
{
    doc.documentLayout()->setPaintDevice(&writer);
    doc.setPageSize(page);
    doc.setDocumentMargin(0);
    const QFont font = guideFont(11);
    doc.setDefaultFont(font);
    doc.setDefaultStyleSheet(QStringLiteral("code { font-family: monospace; }"));
}

// Pictures are loaded from the picture folder and scaled to the text width so that a
// screenshot of the whole window fits the page; a missing one stops the build.
void placePictures(QTextDocument &doc, const QString &pictureDir, qreal maxWidth, qreal maxHeight)
{
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.charFormat().isImageFormat())
                continue;
            QTextImageFormat format = fragment.charFormat().toImageFormat();
            const QString name = format.name();
            const QString path = QFileInfo(name).isAbsolute() ? name : pictureDir + QLatin1Char('/') + name;
            QImage image(path);
            if (image.isNull())
                fail(QStringLiteral("missing picture %1").arg(path));
            doc.addResource(QTextDocument::ImageResource, QUrl(name), image);
            qreal width = image.width();
            qreal height = image.height();
            const qreal scale = std::min({ 1.0, maxWidth / width, maxHeight / height });
            format.setWidth(width * scale);
            format.setHeight(height * scale);
            QTextCursor cursor(&doc);
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(format);
        }
    }
}

QList<Heading> chapterStarts(QTextDocument &doc, qreal pageHeight)
{
    QList<Heading> headings;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        const int level = block.blockFormat().headingLevel();
        if (level < 1 || level > 2)
            continue;
        const QRectF rect = doc.documentLayout()->blockBoundingRect(block);
        headings.append({ level, block.text(), int(std::floor(rect.top() / pageHeight)) });
    }
    return headings;
}

void drawFooter(QPainter &painter, const QSizeF &page, int number, const QString &title)
{
    const QFont font = guideFont(9);
    painter.save();
    painter.setFont(font);
    painter.setPen(QColor(0x4c, 0x68, 0x88));
    const QRectF rect(kMargin, kMargin + page.height() + 8, page.width(), kFooter - 8);
    painter.drawLine(QPointF(rect.left(), rect.top() - 4), QPointF(rect.right(), rect.top() - 4));
    painter.drawText(rect, Qt::AlignLeft | Qt::AlignVCenter, title);
    painter.drawText(rect, Qt::AlignRight | Qt::AlignVCenter, QString::number(number));
    painter.restore();
}

void drawPage(QPainter &painter, QTextDocument &doc, const QSizeF &page, int index)
{
    painter.save();
    painter.translate(kMargin, kMargin - index * page.height());
    const QRectF clip(0, index * page.height(), page.width(), page.height());
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = clip;
    painter.setClipRect(clip);
    doc.documentLayout()->draw(&painter, context);
    painter.restore();
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Renders the Quorvik PLB reference guide."));
    parser.addHelpOption();
    QCommandLineOption outOption(QStringLiteral("out"), QStringLiteral("PDF to write."), QStringLiteral("file"));
    QCommandLineOption pictureOption(QStringLiteral("pictures"), QStringLiteral("Folder of the pictures."),
                                     QStringLiteral("dir"));
    QCommandLineOption logoOption(QStringLiteral("logo"), QStringLiteral("Logo for the title page."),
                                  QStringLiteral("image"));
    QCommandLineOption versionOption(QStringLiteral("app-version"), QStringLiteral("Program version."),
                                     QStringLiteral("text"));
    parser.addOptions({ outOption, pictureOption, logoOption, versionOption });
    parser.addPositionalArgument(QStringLiteral("chapters"), QStringLiteral("Markdown chapters, in order."));
    parser.process(app);
    if (!parser.isSet(outOption) || parser.positionalArguments().isEmpty())
        parser.showHelp(2);

    const QString title = QStringLiteral("Quorvik PLB Reference Guide");
    QPdfWriter writer(parser.value(outOption));
    writer.setResolution(kDpi);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Quorvik PLB"));
    const QSizeF sheet(writer.width(), writer.height());
    const QSizeF page(sheet.width() - 2 * kMargin, sheet.height() - 2 * kMargin - kFooter);

    QString markdown;
    for (const QString &chapter : parser.positionalArguments())
        markdown += readText(chapter) + QStringLiteral("\n\n");

    QTextDocument body;
    setupDocument(body, writer, page);
    body.setMarkdown(markdown);
    // Every chapter starts on a page of its own.
    bool first = true;
    for (QTextBlock block = body.begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() != 1)
            continue;
        if (!first) {
            QTextCursor cursor(block);
            QTextBlockFormat format = block.blockFormat();
            format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            cursor.setBlockFormat(format);
        }
        first = false;
    }
    placePictures(body, parser.value(pictureOption), page.width(), page.height() * 0.6);
    const QList<Heading> headings = chapterStarts(body, page.height());

    // The contents need their own page count before any body page can be numbered.
    QTextDocument contents;
    setupDocument(contents, writer, page);
    auto buildContents = [&](int firstBodyPage) {
        QString html = QStringLiteral("<h1>Contents</h1><table width=\"100%\" cellspacing=\"0\" cellpadding=\"3\">");
        for (const Heading &h : headings) {
            const QString indent = h.level == 1 ? QString() : QStringLiteral("&nbsp;&nbsp;&nbsp;&nbsp;");
            const QString weight = h.level == 1 ? QStringLiteral("bold") : QStringLiteral("normal");
            html += QStringLiteral("<tr><td style=\"font-weight:%1\">%2%3</td><td align=\"right\">%4</td></tr>")
                        .arg(weight, indent, h.text.toHtmlEscaped())
                        .arg(firstBodyPage + h.page);
        }
        html += QStringLiteral("</table>");
        contents.setHtml(html);
    };
    buildContents(3);
    const int contentPages = contents.pageCount();
    const int firstBodyPage = 2 + contentPages;
    buildContents(firstBodyPage);

    QPainter painter(&writer);
    // Title page.
    {
        const QImage logo(parser.value(logoOption));
        qreal y = sheet.height() * 0.25;
        if (!logo.isNull()) {
            const qreal w = sheet.width() * 0.45;
            const qreal h = w * logo.height() / logo.width();
            painter.drawImage(QRectF((sheet.width() - w) / 2, y, w, h), logo);
            y += h + 60;
        }
        QFont font = guideFont(28);
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(QColor(0x00, 0x28, 0x55));
        painter.drawText(QRectF(0, y, sheet.width(), 60), Qt::AlignCenter, title);
        font.setPointSizeF(14);
        font.setBold(false);
        painter.setFont(font);
        const QString sub = QStringLiteral("Programming utility for 406 MHz personal locator beacons\nVersion %1")
                                .arg(parser.value(versionOption));
        painter.drawText(QRectF(0, y + 70, sheet.width(), 60), Qt::AlignCenter, sub);
    }
    for (int i = 0; i < contentPages; ++i) {
        writer.newPage();
        drawPage(painter, contents, page, i);
        drawFooter(painter, page, 2 + i, title);
    }
    for (int i = 0; i < body.pageCount(); ++i) {
        writer.newPage();
        drawPage(painter, body, page, i);
        drawFooter(painter, page, firstBodyPage + i, title);
    }
    painter.end();
    std::printf("%d pages\n", 1 + contentPages + body.pageCount());
    return 0;
}
