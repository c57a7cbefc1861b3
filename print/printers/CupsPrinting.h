#pragma once

#include <QSizeF>
#include <QString>

class QPrinter;

// What a print job asks of its CUPS queue.
struct CupsJobSettings
{
    QString printer;    // queue name, "queue/instance" for an instance; empty for the default
    QString title;      // the job's title: the template's name
    QSizeF paperPoints; // the job's paper as laid out: wider than tall for landscape
    int copies = 1;
    bool collate = false; // copies come out as whole sets, 1,2,3,1,2,3
    enum class Sides
    {
        Default,
        OneSided,
        LongEdge,
        ShortEdge
    } sides = Sides::Default;
    enum class Color
    {
        Default,
        Color,
        Monochrome
    } color = Color::Default;
};

// The settings a QPrinter (after the print dialog) asks for, on a paper
// paperPoints large. Sides and colour are set only where the printer offers a
// choice.
CupsJobSettings CupsSettingsFor(const QPrinter& printer, QSizeF paperPoints, const QString& title);

// The PWG media name of a paper paperPoints large, upright as printers hold
// it: a standard name when one fits the size exactly, a custom one otherwise.
QString CupsMediaName(QSizeF paperPoints);

// Hands the PDF at path to CUPS as one job: on the paper the settings name,
// neither scaled nor moved, so that the PDF's coordinates stay measured from
// the paper's corner whatever the printer's unprintable margins. Returns the
// CUPS job id, or 0 with *error (may be null) set to CUPS's reason.
int SubmitPdfToCups(const QString& path, const CupsJobSettings& settings, QString* error = nullptr);

// Why the queue printer names cannot take a job, as "Printer NAME: reason";
// CUPS is asked for the reason when none is given.
QString CupsQueueProblem(const QString& printer, QString reason = QString());

// Whether the queue is paused: it takes jobs and keeps them until resumed.
bool CupsQueuePaused(const QString& printer);

// What a queue offers for a job's paper.
struct CupsPaperCheck
{
    bool fits = true;        // the queue has the paper, or takes custom sizes
    QString jobPaper;        // the job's paper by name, "4 × 6 in", "Letter (8.5 × 11 in)"
    QString queuePaper;      // the queue's default paper, named so
    QSizeF queuePaperPoints; // that paper, turned as the job's paper is laid out
};

// Whether the queue printer names has the paper paperPoints (as laid out)
// large; a queue that cannot be asked is taken to have it.
CupsPaperCheck CheckCupsPaper(const QString& printer, QSizeF paperPoints);
