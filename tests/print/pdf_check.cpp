#include "pdf_check.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace vernalt::test {

PdfFacts readPdf(const QString& path) {
    PdfFacts facts;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return facts;
    // The dictionaries are plain text even where the content streams are packed.
    const QString text = QString::fromLatin1(file.readAll());

    static const QRegularExpression pages(u"/Type\\s*/Pages\\b[^>]*?/Count\\s+(\\d+)"_s);
    if (const auto m = pages.match(text); m.hasMatch())
        facts.pages = m.captured(1).toInt();

    static const QRegularExpression box(
        u"/MediaBox\\s*\\[\\s*([-\\d.]+)\\s+([-\\d.]+)\\s+([-\\d.]+)\\s+([-\\d.]+)\\s*\\]"_s);
    if (const auto m = box.match(text); m.hasMatch())
        facts.firstPage = QSizeF(m.captured(3).toDouble() - m.captured(1).toDouble(),
                                 m.captured(4).toDouble() - m.captured(2).toDouble());

    static const QRegularExpression image(
        u"/Subtype\\s*/Image\\b[^>]*?/Width\\s+(\\d+)[^>]*?/Height\\s+(\\d+)"_s);
    auto it = image.globalMatch(text);
    while (it.hasNext()) {
        const auto m = it.next();
        if (facts.images++ == 0)
            facts.firstImage = QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble());
    }
    return facts;
}

QImage renderFirstPage(const QString& path, int dpi) {
    const QString tool = QStandardPaths::findExecutable(u"pdftoppm"_s);
    if (tool.isEmpty())
        return {};
    QTemporaryDir dir;
    const QString stem = dir.filePath(u"page"_s);
    QProcess run;
    run.start(tool, {u"-r"_s, QString::number(dpi), u"-png"_s, u"-singlefile"_s, path, stem});
    if (!run.waitForFinished(30000) || run.exitCode() != 0)
        return {};
    return QImage(stem + u".png"_s);
}

QRect inkBounds(const QImage& image) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & RGB_MASK) != 0xFFFFFFu)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

} // namespace vernalt::test
