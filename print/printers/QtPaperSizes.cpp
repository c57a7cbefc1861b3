#include "QtPaperSizes.h"

#include "model/Codepage.h"
#include "model/Int32.h"

#include <QLocale>
#include <QPageSize>
#include <QSizeF>

#include <cmath>

PaperList::Size PaperTenthsOf(const QPageSize& page)
{
    if (!page.isValid())
        return {};
    const QSizeF mm = page.size(QPageSize::Millimeter);
    return {int32::trunc(std::round(mm.width() * 10.0)), int32::trunc(std::round(mm.height() * 10.0))};
}

std::uint16_t WindowsPaperCodeOf(const QPageSize& page)
{
    if (!page.isValid() || page.id() == QPageSize::Custom)
        return 0;
    const int id = page.windowsId();
    return id > 0 && id <= 0xFFFF ? std::uint16_t(id) : std::uint16_t(0);
}

PaperList CommonPapers()
{
    static const QPageSize::PageSizeId kCommon[] = {
        QPageSize::Letter,
        QPageSize::Tabloid,
        QPageSize::Legal,
        QPageSize::Statement,
        QPageSize::ExecutiveStandard,
        QPageSize::A3,
        QPageSize::A4,
        QPageSize::A5,
        QPageSize::JisB4,
        QPageSize::JisB5,
        QPageSize::Envelope10,
        QPageSize::EnvelopeDL,
        QPageSize::EnvelopeC5,
        QPageSize::EnvelopeC6,
        QPageSize::EnvelopeMonarch,
    };
    PaperList list;
    for (const QPageSize::PageSizeId id : kCommon) {
        const QPageSize page(id);
        list.names.append(toCp1252(page.name()).left(kPaperNameChars - 1));
        list.sizes.append(PaperTenthsOf(page));
        list.codes.append(WindowsPaperCodeOf(page));
    }
    list.count = int(list.sizes.size());
    list.fields = kFieldOrientation | kFieldPaperLength | kFieldPaperWidth;
    return list;
}

int LocalePaperIndex(const PaperList& list)
{
    const bool us = QLocale().measurementSystem() == QLocale::ImperialUSSystem;
    const QPageSize paper(us ? QPageSize::Letter : QPageSize::A4);
    const int index = list.codes.indexOf(WindowsPaperCodeOf(paper));
    return index < 0 ? 0 : index;
}
