#include "CupsPrinting.h"

#include <QCoreApplication>
#include <QFile>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>

#include <cups/cups.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>

namespace {

// Hundredths of a millimetre, the unit of PWG paper sizes.
int pwgUnits(double points)
{
    return int(std::lround(points * 2540.0 / 72.0));
}

// A standard size this close is the same paper: a size kept in twips misses
// A4 by about 0.02 mm. PWG's own matching allows 0.5 mm, too coarse for heads
// placed from the paper's corner.
constexpr int kSamePaper = 10;

// A queue's defaults that would scale or move the pages.
constexpr const char* kPlacementDefaults[] = {"fitplot", "fit-to-page", "scaling",  "natural-scaling",
                                              "fill",    "crop-to-fit", "position", "number-up"};

class Options
{
public:
    Options() = default;
    Options(const Options&) = delete;
    Options& operator=(const Options&) = delete;
    ~Options() { cupsFreeOptions(count_, options_); }

    void add(const char* name, const QByteArray& value)
    {
        count_ = cupsAddOption(name, value.constData(), count_, &options_);
    }
    void remove(const char* name) { count_ = cupsRemoveOption(name, count_, &options_); }
    void addAll(int count, cups_option_t* options)
    {
        for (int i = 0; i < count; ++i)
            count_ = cupsAddOption(options[i].name, options[i].value, count_, &options_);
    }

    int count() const { return count_; }
    cups_option_t* options() const { return options_; }

private:
    int count_ = 0;
    cups_option_t* options_ = nullptr;
};

struct DestDeleter
{
    void operator()(cups_dest_t* dest) const { cupsFreeDests(1, dest); }
};
using Dest = std::unique_ptr<cups_dest_t, DestDeleter>;

QString lastCupsError()
{
    return QString::fromUtf8(cupsLastErrorString());
}

// The queue printer names, "queue/instance" for an instance; the default
// destination when printer is empty.
Dest namedDest(const QString& printer)
{
    const QByteArray name = printer.toUtf8();
    const int slash = name.indexOf('/');
    const QByteArray queue = slash < 0 ? name : name.left(slash);
    const QByteArray instance = slash < 0 ? QByteArray() : name.mid(slash + 1);
    return Dest(cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue.isEmpty() ? nullptr : queue.constData(),
                                 instance.isEmpty() ? nullptr : instance.constData()));
}

bool fail(QString* error, const QString& reason)
{
    if (error)
        *error = reason;
    return false;
}

// Sends the file's bytes as the job's one document.
bool sendDocument(QFile& file, const char* queue, int job, const QByteArray& title, QString* error)
{
    if (cupsStartDocument(CUPS_HTTP_DEFAULT, queue, job, title.constData(), CUPS_FORMAT_PDF, 1) !=
        HTTP_STATUS_CONTINUE)
        return fail(error, lastCupsError());
    QByteArray buffer(64 * 1024, Qt::Uninitialized);
    bool sent = true;
    QString reason;
    while (sent) {
        const qint64 read = file.read(buffer.data(), buffer.size());
        if (read < 0) {
            reason = file.errorString();
            sent = false;
        } else if (read == 0) {
            break;
        } else if (cupsWriteRequestData(CUPS_HTTP_DEFAULT, buffer.constData(), size_t(read)) !=
                   HTTP_STATUS_CONTINUE) {
            reason = lastCupsError();
            sent = false;
        }
    }
    // The request is finished either way; only a complete one is a job.
    if (cupsFinishDocument(CUPS_HTTP_DEFAULT, queue) != IPP_STATUS_OK && sent) {
        reason = lastCupsError();
        sent = false;
    }
    return sent || fail(error, reason);
}

} // namespace

CupsJobSettings CupsSettingsFor(const QPrinter& printer, QSizeF paperPoints, const QString& title)
{
    CupsJobSettings settings;
    settings.printer = printer.printerName();
    settings.title = title;
    settings.paperPoints = paperPoints;
    settings.copies = std::max(1, printer.copyCount());
    settings.collate = printer.collateCopies();

    const QPrinterInfo info(printer);
    if (info.supportedDuplexModes().size() > 1) {
        switch (printer.duplex()) {
        case QPrinter::DuplexNone:
            settings.sides = CupsJobSettings::Sides::OneSided;
            break;
        case QPrinter::DuplexLongSide:
            settings.sides = CupsJobSettings::Sides::LongEdge;
            break;
        case QPrinter::DuplexShortSide:
            settings.sides = CupsJobSettings::Sides::ShortEdge;
            break;
        case QPrinter::DuplexAuto:
            // Landscape sheets turn over on the short edge so that both sides read the same way up.
            settings.sides = paperPoints.width() > paperPoints.height() ? CupsJobSettings::Sides::ShortEdge
                                                                        : CupsJobSettings::Sides::LongEdge;
            break;
        }
    }
    const QList<QPrinter::ColorMode> colors = info.supportedColorModes();
    if (colors.contains(QPrinter::Color) && colors.contains(QPrinter::GrayScale)) {
        settings.color = printer.colorMode() == QPrinter::GrayScale ? CupsJobSettings::Color::Monochrome
                                                                    : CupsJobSettings::Color::Color;
    }
    return settings;
}

QString CupsMediaName(QSizeF paperPoints)
{
    const int width = pwgUnits(std::min(paperPoints.width(), paperPoints.height()));
    const int length = pwgUnits(std::max(paperPoints.width(), paperPoints.height()));
    if (const pwg_media_t* media = pwgMediaForSize(width, length)) {
        if (media->pwg && std::abs(media->width - width) <= kSamePaper &&
            std::abs(media->length - length) <= kSamePaper)
            return QString::fromLatin1(media->pwg);
    }
    char name[128];
    if (!pwgFormatSizeName(name, sizeof(name), "custom", nullptr, width, length, nullptr))
        return QString();
    return QString::fromLatin1(name);
}

int SubmitPdfToCups(const QString& path, const CupsJobSettings& settings, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        fail(error, file.errorString());
        return 0;
    }

    // An instance's saved options are what the job starts from.
    const Dest dest = namedDest(settings.printer);
    if (!dest) {
        fail(error, lastCupsError());
        return 0;
    }

    Options options;
    options.addAll(dest->num_options, dest->options);
    for (const char* name : kPlacementDefaults)
        options.remove(name);
    // The paper upright, with the orientation that turns the PDF's pages onto
    // it: a landscape page turned the other way, or a portrait page taken for
    // landscape, would put the heads on the wrong corner.
    const bool landscape = settings.paperPoints.width() > settings.paperPoints.height();
    options.add("media", CupsMediaName(settings.paperPoints).toLatin1());
    options.add("orientation-requested", landscape ? "4" : "3");
    // The PDF is already laid out on the paper: scaled to the printable area
    // the heads would move away from the corner.
    options.add("print-scaling", "none");
    options.add("fit-to-page", "false");
    if (settings.copies > 1) {
        options.add("copies", QByteArray::number(settings.copies));
        options.add("multiple-document-handling", settings.collate ? "separate-documents-collated-copies"
                                                                   : "separate-documents-uncollated-copies");
        options.add("Collate", settings.collate ? "True" : "False");
    }
    switch (settings.sides) {
    case CupsJobSettings::Sides::Default:
        break;
    case CupsJobSettings::Sides::OneSided:
        options.add("sides", "one-sided");
        break;
    case CupsJobSettings::Sides::LongEdge:
        options.add("sides", "two-sided-long-edge");
        break;
    case CupsJobSettings::Sides::ShortEdge:
        options.add("sides", "two-sided-short-edge");
        break;
    }
    if (settings.color != CupsJobSettings::Color::Default)
        options.add("print-color-mode",
                    settings.color == CupsJobSettings::Color::Monochrome ? "monochrome" : "color");

    const QByteArray title = settings.title.toUtf8();
    const int job =
        cupsCreateJob(CUPS_HTTP_DEFAULT, dest->name, title.constData(), options.count(), options.options());
    if (job <= 0) {
        fail(error, lastCupsError());
        return 0;
    }
    if (!sendDocument(file, dest->name, job, title, error)) {
        cupsCancelJob2(CUPS_HTTP_DEFAULT, dest->name, job, 0);
        return 0;
    }
    return job;
}

QString CupsQueueProblem(const QString& printer, QString reason)
{
    if (reason.isEmpty()) {
        const Dest dest = namedDest(printer);
        reason = dest ? QCoreApplication::translate("CupsPrinting", "The printer cannot be opened.")
                      : lastCupsError();
    }
    return QCoreApplication::translate("CupsPrinting", "Printer %1: %2").arg(printer, reason);
}

bool CupsQueuePaused(const QString& printer)
{
    const Dest dest = namedDest(printer);
    const char* state = dest ? cupsGetOption("printer-state", dest->num_options, dest->options) : nullptr;
    return state && std::atoi(state) == IPP_PSTATE_STOPPED;
}

namespace {

// A PWG media name as the user reads it: the size its name ends with,
// after the paper's own name where it has one.
QString paperNameOf(const QString& media)
{
    static const QRegularExpression size(QStringLiteral(R"re(_([\d.]+)x([\d.]+)(in|mm)$)re"));
    const QRegularExpressionMatch m = size.match(media);
    if (!m.hasMatch())
        return media;
    const QString dimensions =
        QStringLiteral("%1 \u00d7 %2 %3").arg(m.captured(1), m.captured(2), m.captured(3));
    const pwg_media_t* known = pwgMediaForPWG(media.toLatin1().constData());
    const QString ppd = known && known->ppd ? QString::fromLatin1(known->ppd) : QString();
    static const QRegularExpression word(QStringLiteral("[A-Za-wyz]"));
    return ppd.contains(word) ? QStringLiteral("%1 (%2)").arg(ppd, dimensions) : dimensions;
}

struct DestInfoDeleter
{
    void operator()(cups_dinfo_t* info) const { cupsFreeDestInfo(info); }
};

} // namespace

CupsPaperCheck CheckCupsPaper(const QString& printer, QSizeF paperPoints)
{
    CupsPaperCheck check;
    const QString media = CupsMediaName(paperPoints);
    check.jobPaper = paperNameOf(media);
    const Dest dest = namedDest(printer);
    if (!dest)
        return check;
    const std::unique_ptr<cups_dinfo_t, DestInfoDeleter> info(
        cupsCopyDestInfo(CUPS_HTTP_DEFAULT, dest.get()));
    if (!info)
        return check;
    cups_size_t size{};
    if (cupsGetDestMediaByName(CUPS_HTTP_DEFAULT, dest.get(), info.get(), media.toLatin1().constData(),
                               CUPS_MEDIA_FLAGS_DEFAULT, &size) ||
        !cupsGetDestMediaDefault(CUPS_HTTP_DEFAULT, dest.get(), info.get(), CUPS_MEDIA_FLAGS_DEFAULT, &size))
        return check;
    check.fits = false;
    // The default's borderless variant is the same paper.
    check.queuePaper = paperNameOf(QString::fromLatin1(size.media).remove(QStringLiteral("_borderless")));
    const QSizeF upright(size.width * 72.0 / 2540.0, size.length * 72.0 / 2540.0);
    check.queuePaperPoints = paperPoints.width() > paperPoints.height() ? upright.transposed() : upright;
    return check;
}
