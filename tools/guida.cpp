// Lays the user guide out into a PDF: the Markdown source with its pictures, a cover, a table of
// contents with page numbers and numbered pages. The build runs it; no display is needed.
//   lunaresca_guida <guide.md> <Guida.pdf>
#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextTable>
#include <QUrl>

#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr int kDpi = 300;
const QString kFamily = QStringLiteral("Liberation Sans");

struct Heading {
    QTextBlock block;
    int level;
};

// Points to device units of the writer.
qreal pt(qreal points) { return points * kDpi / 72.0; }

void styleBlock(QTextBlock block, int level, bool cover)
{
    QTextCursor c(block);
    QTextBlockFormat bf = block.blockFormat();
    QTextCharFormat cf;
    cf.setFontFamilies({kFamily});
    cf.setFontWeight(QFont::Bold);
    if (cover) {
        bf.setAlignment(Qt::AlignHCenter);
        bf.setBottomMargin(pt(24));
        cf.setFontPointSize(30);
        cf.setForeground(QColor(0x20, 0x52, 0x7a));
    } else if (level == 1) {
        bf.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        bf.setTopMargin(0);
        bf.setBottomMargin(pt(12));
        cf.setFontPointSize(20);
        cf.setForeground(QColor(0x20, 0x52, 0x7a));
    } else if (level == 2) {
        bf.setTopMargin(pt(14));
        bf.setBottomMargin(pt(6));
        cf.setFontPointSize(14);
        cf.setForeground(QColor(0x0f, 0x6b, 0x6b));
    } else {
        bf.setTopMargin(pt(10));
        bf.setBottomMargin(pt(4));
        cf.setFontPointSize(12);
    }
    c.setBlockFormat(bf);
    c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    c.setCharFormat(cf);
}

// Pictures as wide as the text at most, their proportions kept.
void fitPictures(QTextDocument &doc, qreal width)
{
    struct Picture {
        int position, length;
        QTextImageFormat format;
    };
    std::vector<Picture> pictures;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isImageFormat())
                pictures.push_back(
                    {it.fragment().position(), it.fragment().length(), it.fragment().charFormat().toImageFormat()});
    for (Picture &p : pictures) {
        const QUrl url = doc.baseUrl().resolved(QUrl(p.format.name()));
        const QImage loaded(url.toLocalFile());
        if (loaded.isNull()) {
            std::fprintf(stderr, "guida: picture %s not found\n", qPrintable(url.toLocalFile()));
            std::exit(1);
        }
        doc.addResource(QTextDocument::ImageResource, url, loaded);
        // Screen pictures at 60% of their size on a 96 dpi screen, never wider than the text.
        const qreal w = qMin(width, loaded.width() * 0.6 * kDpi / 96.0);
        // The layout scales picture sizes from 96 dpi to the writer's resolution by itself.
        p.format.setWidth(w * 96.0 / kDpi);
        p.format.setHeight(w * 96.0 / kDpi * loaded.height() / loaded.width());
        QTextCursor c(&doc);
        c.setPosition(p.position);
        c.setPosition(p.position + p.length, QTextCursor::KeepAnchor);
        c.setCharFormat(p.format);
        QTextBlockFormat bf = c.blockFormat();
        bf.setAlignment(Qt::AlignHCenter);
        bf.setTopMargin(pt(6));
        bf.setBottomMargin(pt(10));
        c.setBlockFormat(bf);
    }
}

int pageOf(QTextDocument &doc, const QTextBlock &b)
{
    // A heading that opens a page has its rectangle start on the page before: its last line tells.
    const qreal bottom = doc.documentLayout()->blockBoundingRect(b).bottom() - 1;
    return int(bottom / doc.pageSize().height()) + 1;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: lunaresca_guida <guide.md> <Guida.pdf>\n");
        return 2;
    }
    const QString source = QString::fromLocal8Bit(argv[1]);
    const QString target = QString::fromLocal8Bit(argv[2]);
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "guida: cannot read %s\n", argv[1]);
        return 1;
    }
    QDir().mkpath(QFileInfo(target).absolutePath());
    QPdfWriter pdf(target);
    pdf.setResolution(kDpi);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 18, 20, 14),
                                  QPageLayout::Millimeter));
    pdf.setTitle(QStringLiteral("Lunaresca - Guida all'utilizzo del software"));
    pdf.setCreator(QStringLiteral("Lunaresca"));
    const QRectF paper = pdf.pageLayout().paintRectPixels(kDpi);
    const qreal footer = pt(28);
    const QSizeF page(paper.width(), paper.height() - footer);

    QTextDocument doc;
    doc.documentLayout()->setPaintDevice(&pdf);
    doc.setDocumentMargin(0);
    QFont base(kFamily);
    base.setPointSizeF(11);
    doc.setDefaultFont(base);
    doc.setBaseUrl(QUrl::fromLocalFile(QFileInfo(source).absoluteFilePath()));
    doc.setMarkdown(QString::fromUtf8(in.readAll()), QTextDocument::MarkdownDialectGitHub);
    fitPictures(doc, page.width());

    // The first heading is the cover's title; every later first-level heading opens a page.
    std::vector<Heading> headings;
    bool cover = true;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        const int level = b.blockFormat().headingLevel();
        if (level == 0)
            continue;
        styleBlock(b, level, cover);
        if (!cover && level <= 2)
            headings.push_back({b, level});
        cover = false;
    }
    if (headings.empty()) {
        std::fprintf(stderr, "guida: no sections in %s\n", argv[1]);
        return 1;
    }

    // The cover: the title lowered by an empty line of its own (the first block of a page takes no
    // top margin), and what follows it up to the first section, centred.
    {
        const QTextBlockFormat title = doc.begin().blockFormat();
        QTextCursor top(&doc);
        top.insertBlock();
        QTextBlockFormat spacer;
        // Line heights count in 96 dpi units: 180 points down the page.
        spacer.setLineHeight(180 * 96.0 / 72, QTextBlockFormat::FixedHeight);
        QTextCursor(doc.begin()).setBlockFormat(spacer);
        QTextCursor(doc.begin().next()).setBlockFormat(title);
    }
    for (QTextBlock b = doc.begin().next(); b.isValid() && b != headings.front().block; b = b.next()) {
        QTextCursor c(b);
        QTextBlockFormat bf = b.blockFormat();
        bf.setAlignment(Qt::AlignHCenter);
        c.setBlockFormat(bf);
    }
    // The table of contents goes before the first section: a borderless table, a section a row.
    QTextCursor toc(headings.front().block.previous());
    toc.movePosition(QTextCursor::EndOfBlock);
    QTextBlockFormat titleFormat;
    titleFormat.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    titleFormat.setBottomMargin(pt(16));
    QTextCharFormat titleChars;
    titleChars.setFontFamilies({kFamily});
    titleChars.setFontPointSize(20);
    titleChars.setFontWeight(QFont::Bold);
    titleChars.setForeground(QColor(0x20, 0x52, 0x7a));
    toc.insertBlock(titleFormat, titleChars);
    toc.insertText(QStringLiteral("Indice"));
    QTextTableFormat table;
    table.setBorder(0);
    table.setBorderStyle(QTextFrameFormat::BorderStyle_None);
    table.setCellSpacing(0);
    table.setCellPadding(pt(1.5));
    table.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    table.setColumnWidthConstraints(
        {QTextLength(QTextLength::PercentageLength, 90), QTextLength(QTextLength::PercentageLength, 10)});
    QTextTable *entries = toc.insertTable(int(headings.size()), 2, table);
    for (size_t i = 0; i < headings.size(); ++i) {
        const Heading &h = headings[i];
        QTextCharFormat cf;
        cf.setFontFamilies({kFamily});
        cf.setFontPointSize(h.level == 1 ? 12 : 10.5);
        cf.setFontWeight(h.level == 1 ? QFont::Bold : QFont::Normal);
        QTextBlockFormat bf;
        bf.setLeftMargin(h.level == 1 ? 0 : pt(18));
        bf.setTopMargin(h.level == 1 && i > 0 ? pt(7) : 0);
        QTextCursor title = entries->cellAt(int(i), 0).firstCursorPosition();
        title.setBlockFormat(bf);
        title.insertText(h.block.text(), cf);
        bf.setLeftMargin(0);
        bf.setAlignment(Qt::AlignRight);
        QTextCursor number = entries->cellAt(int(i), 1).firstCursorPosition();
        number.setBlockFormat(bf);
        number.insertText(QStringLiteral("00"), cf);
    }
    doc.setPageSize(page);

    // Edits after a layout can leave later blocks unlaid: every count starts from a whole new layout.
    auto layOut = [&doc] {
        doc.markContentsDirty(0, doc.characterCount());
        return doc.pageCount();
    };
    // A second-level heading left at the foot of a page goes over to the next one with its text.
    for (int pass = 0; pass < 20; ++pass) {
        layOut();
        bool moved = false;
        for (const Heading &h : headings) {
            const QRectF r = doc.documentLayout()->blockBoundingRect(h.block);
            const qreal onPage = std::fmod(r.bottom(), page.height());
            if (h.level == 2 && onPage > page.height() * 0.88) {
                QTextCursor c(h.block);
                QTextBlockFormat bf = h.block.blockFormat();
                bf.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
                c.setBlockFormat(bf);
                moved = true;
                break;
            }
        }
        if (!moved)
            break;
    }
    // Page numbers take one or two digits in a cell of their own, so filling them in moves no
    // line; the loop makes sure of it.
    std::vector<int> numbers(headings.size(), 0);
    for (int pass = 0;; ++pass) {
        layOut();
        std::vector<int> now;
        for (const Heading &h : headings)
            now.push_back(pageOf(doc, h.block));
        if (now == numbers)
            break;
        if (pass == 3) {
            std::fprintf(stderr, "guida: the table of contents does not settle\n");
            return 1;
        }
        numbers = now;
        for (size_t i = 0; i < headings.size(); ++i) {
            QTextCursor c = entries->cellAt(int(i), 1).firstCursorPosition();
            c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
            c.insertText(QString::number(numbers[i]));
        }
    }
    const int pages = layOut();
    QPainter p(&pdf);
    QFont small(kFamily);
    small.setPointSizeF(9);
    for (int i = 0; i < pages; ++i) {
        if (i > 0)
            pdf.newPage();
        p.save();
        const QRectF clip(0, i * page.height(), page.width(), page.height());
        p.setClipRect(QRectF(QPointF(0, 0), page));
        p.translate(0, -clip.top());
        doc.drawContents(&p, clip);
        p.restore();
        if (i == 0)
            continue;
        p.setFont(small);
        p.setPen(QColor(0x55, 0x55, 0x55));
        const QRectF band(0, paper.height() - footer * 0.7, page.width(), footer * 0.7);
        p.drawLine(QPointF(0, band.top()), QPointF(page.width(), band.top()));
        p.drawText(band, Qt::AlignLeft | Qt::AlignBottom,
                   QStringLiteral("Lunaresca - Guida all'utilizzo del software"));
        p.drawText(band, Qt::AlignRight | Qt::AlignBottom, QStringLiteral("Pagina %1 di %2").arg(i + 1).arg(pages));
    }
    if (!p.end()) {
        std::fprintf(stderr, "guida: cannot write %s\n", argv[2]);
        return 1;
    }
    std::printf("%s: %d pagine\n", qPrintable(target), pages);
    return 0;
}
