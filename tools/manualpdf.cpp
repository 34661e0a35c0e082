// SPDX-License-Identifier: GPL-3.0-or-later
// vendrilo-manual IN.md OUT.pdf TITLE: turns the user's guide, kept as Markdown with its
// screenshots beside it, into the PDF that "Hilfe" → "Dokumentation anzeigen" opens. A4 pages,
// every image scaled to the text width, page numbers at the foot, the chapter titles as the
// PDF's outline text.
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QTextTable>

#include <cstdio>

namespace {

// Images from the guide's folder, at most as wide as the text and never enlarged; Markdown
// cannot say a size. A missing image fails the build.
bool fitImages(QTextDocument& doc, const QString& folder, qreal textWidth)
{
    bool allFound = true;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.charFormat().isImageFormat())
                continue;
            QTextImageFormat image = fragment.charFormat().toImageFormat();
            const QImage picture(folder + '/' + image.name());
            if (picture.isNull()) {
                std::fprintf(stderr, "missing image: %s\n", qPrintable(image.name()));
                allFound = false;
                continue;
            }
            doc.addResource(QTextDocument::ImageResource, QUrl(image.name()), picture);
            const QSize size = picture.size();
            const qreal width = std::min<qreal>(textWidth, size.width() * 0.75);
            image.setWidth(width);
            image.setHeight(width * size.height() / size.width());
            QTextCursor cursor(&doc);
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(image);
        }
    }
    return allFound;
}

// Tables with room around the text of their cells.
void padTables(QTextDocument& doc)
{
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        QTextTable* table = QTextCursor(block).currentTable();
        if (!table || table->cellAt(QTextCursor(block)).row() != 0 ||
            table->cellAt(QTextCursor(block)).column() != 0)
            continue;
        QTextTableFormat format = table->format();
        format.setCellPadding(4);
        format.setCellSpacing(0);
        format.setBorderCollapse(true);
        format.setBorder(0.5);
        table->setFormat(format);
    }
}

// Headings of the first level start a new page.
void breakBeforeChapters(QTextDocument& doc)
{
    bool first = true;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() != 1)
            continue;
        if (first) {
            first = false;
            continue;
        }
        QTextBlockFormat format = block.blockFormat();
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        QTextCursor(block).setBlockFormat(format);
    }
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4) {
        std::fprintf(stderr, "usage: vendrilo-manual IN.md OUT.pdf TITLE\n");
        return 2;
    }
    QFile in(args.at(1));
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(args.at(1)), qPrintable(in.errorString()));
        return 1;
    }
    const QString folder = QFileInfo(args.at(1)).absolutePath();

    QPdfWriter pdf(args.at(2));
    pdf.setTitle(args.at(3));
    pdf.setCreator(QStringLiteral("Vendrilo"));
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                  QMarginsF(18, 18, 18, 18), QPageLayout::Millimeter));
    pdf.setResolution(300);

    QTextDocument doc;
    doc.setBaseUrl(QUrl::fromLocalFile(folder + '/'));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(10);
    doc.setDefaultFont(font);
    doc.setMarkdown(QString::fromUtf8(in.readAll()));
    // The document is laid out in points on an A4 page less its margins.
    const QSizeF page = pdf.pageLayout().paintRect(QPageLayout::Point).size();
    if (!fitImages(doc, folder, page.width() - 2 * doc.documentMargin()))
        return 1;
    breakBeforeChapters(doc);
    padTables(doc);
    doc.print(&pdf);
    return QFileInfo(args.at(2)).size() > 0 ? 0 : 1;
}
