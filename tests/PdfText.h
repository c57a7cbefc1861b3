#pragma once

// What poppler's command-line tools read out of a PDF: the page count
// (pdfinfo) and every word with its box in points (pdftotext -bbox).
#include <QList>
#include <QPair>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

namespace pdftext {

struct Word
{
    QString text;
    QRectF box; // points, origin at the page's top-left corner, y down
};

struct Page
{
    QSizeF size; // points
    QList<Word> words;
    QStringList texts() const
    {
        QStringList list;
        for (const Word& w : words)
            list << w.text;
        return list;
    }
};

inline QByteArray run(const QString& program, const QStringList& arguments, bool* ok = nullptr)
{
    QProcess process;
    process.start(program, arguments);
    const bool finished = process.waitForFinished(600000);
    if (ok)
        *ok = finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    return process.readAllStandardOutput();
}

// Pages with their words; empty when the file is no readable PDF.
inline QList<Page> read(const QString& path)
{
    QList<Page> pages;
    bool ok = false;
    const QString xml = QString::fromUtf8(
        run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")}, &ok));
    if (!ok)
        return pages;
    static const QRegularExpression pageRe(
        QStringLiteral(R"re(<page width="([\d.]+)" height="([\d.]+)">)re"));
    static const QRegularExpression wordRe(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    const QStringList chunks = xml.split(QStringLiteral("</page>"));
    for (const QString& chunk : chunks) {
        const QRegularExpressionMatch p = pageRe.match(chunk);
        if (!p.hasMatch())
            continue;
        Page page;
        page.size = QSizeF(p.captured(1).toDouble(), p.captured(2).toDouble());
        auto it = wordRe.globalMatch(chunk);
        while (it.hasNext()) {
            const QRegularExpressionMatch w = it.next();
            page.words << Word{w.captured(5),
                               QRectF(QPointF(w.captured(1).toDouble(), w.captured(2).toDouble()),
                                      QPointF(w.captured(3).toDouble(), w.captured(4).toDouble()))};
        }
        pages << page;
    }
    return pages;
}

// "Pages:" of pdfinfo; -1 when it cannot read the file.
inline int pageCount(const QString& path)
{
    bool ok = false;
    const QString info = QString::fromUtf8(run(QStringLiteral("pdfinfo"), {path}, &ok));
    static const QRegularExpression re(QStringLiteral(R"re(^Pages:\s+(\d+))re"),
                                       QRegularExpression::MultilineOption);
    const QRegularExpressionMatch m = re.match(info);
    return ok && m.hasMatch() ? m.captured(1).toInt() : -1;
}

// (page, object number) of every image drawn, from pdfimages -list.
inline QList<QPair<int, int>> imageObjects(const QString& path)
{
    QList<QPair<int, int>> result;
    bool ok = false;
    const QString list =
        QString::fromUtf8(run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), path}, &ok));
    const QStringList lines = list.split(QLatin1Char('\n'));
    for (const QString& line : lines.mid(2)) {
        const QStringList f = line.simplified().split(QLatin1Char(' '));
        // page num type width height color comp bpc enc interp object ID ...
        if (f.size() > 11)
            result << qMakePair(f[0].toInt(), f[10].toInt());
    }
    return result;
}

} // namespace pdftext
