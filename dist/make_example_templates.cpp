// Writes the example templates that come with the program into a folder:
//   make_example_templates FOLDER [LONG_RUN_PAGES]
// tickets.tmt       four tickets a sheet that make four stacks in order after
//                   cutting (seeds 0, N, 2N and 3N)
// invoice-sets.tmt  three-part sets: every number on three sheets in a row
// long-run.tmt      (only with LONG_RUN_PAGES) one head, that many sheets
#include "model/CadenzoDoc.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

namespace {

constexpr std::int32_t kInch = 1440; // twips

bool save(CCadenzoDoc& doc, const QString& path)
{
    if (doc.OnSaveDocument(path))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

HEADING& addHead(CCadenzoDoc& doc, std::int32_t x, std::int32_t y, const char* preface, std::int32_t seed)
{
    HEADING& head = *doc.AddNewHead(nullptr);
    head.x = x;
    head.y = y;
    head.preface = preface;
    head.seed = seed;
    head.digits = 4;
    return head;
}

bool tickets(const QString& folder)
{
    // Letter cut into four strips; each strip's head numbers one stack.
    constexpr std::int32_t kPerStack = 250;
    CCadenzoDoc doc(nullptr);
    doc.totalPages = kPerStack;
    for (int stack = 0; stack < 4; ++stack) {
        HEADING& head =
            addHead(doc, 5 * kInch, -(kInch / 2 + stack * 15840 / 4), "Ticket No.", stack * kPerStack);
        head.color = 0x0000C0; // red
    }
    return save(doc, folder + QStringLiteral("/tickets.tmt"));
}

bool invoiceSets(const QString& folder)
{
    CCadenzoDoc doc(nullptr);
    doc.startNumber = 1001;
    doc.copies = 3;
    doc.totalPages = 100;
    addHead(doc, 6 * kInch, -kInch / 2, "Invoice", 0).digits = 6;
    return save(doc, folder + QStringLiteral("/invoice-sets.tmt"));
}

bool longRun(const QString& folder, std::int32_t pages)
{
    CCadenzoDoc doc(nullptr);
    doc.totalPages = pages;
    addHead(doc, kInch, -kInch, "No.", 0).digits = 7;
    return save(doc, folder + QStringLiteral("/long-run.tmt"));
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() < 2 || !QDir().mkpath(arguments.at(1))) {
        std::fprintf(stderr, "usage: make_example_templates FOLDER [LONG_RUN_PAGES]\n");
        return 2;
    }
    const QString folder = arguments.at(1);
    bool ok = tickets(folder) && invoiceSets(folder);
    if (ok && arguments.size() > 2)
        ok = longRun(folder, arguments.at(2).toInt());
    return ok ? 0 : 1;
}
