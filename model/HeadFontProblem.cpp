#include "HeadFontProblem.h"

#include "CadenzoDoc.h"
#include "Codepage.h"
#include "FontFromLogFont.h"
#include "Units.h"

#include <QCoreApplication>
#include <QStringList>

QString HeadFontProblem(const CCadenzoDoc& doc)
{
    QStringList heads;
    for (int i = 0; i < doc.GetHeadCount(); ++i) {
        if (!drawnAsStored(doc.GetHeadByIndex(i)->font))
            heads << fromCp1252(HeadCaption(i));
    }
    if (heads.isEmpty())
        return QString();
    return QCoreApplication::translate("HeadFontProblem",
                                       "These heads have a font larger than %1 points and are printed at "
                                       "%1 points: %2.")
        .arg(kMaxFontPixels / units::kTwipsPerPoint)
        .arg(heads.join(QStringLiteral(", ")));
}
