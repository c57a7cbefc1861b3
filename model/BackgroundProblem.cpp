#include "BackgroundProblem.h"

#include "CadenzoDoc.h"

#include <QCoreApplication>
#include <QFileInfo>

QString BackgroundProblem(const CCadenzoDoc& doc)
{
    if (!doc.pdfData || doc.pdfLength == 0)
        return QString();
    QString why;
    switch (doc.pdfStatus) {
    case pdf::LoadStatus::Ok:
        return QString();
    case pdf::LoadStatus::Damaged:
        why = QCoreApplication::translate("BackgroundProblem", "the file is damaged or is not a PDF file");
        break;
    case pdf::LoadStatus::Locked:
        why = QCoreApplication::translate("BackgroundProblem", "the file is protected by a password");
        break;
    case pdf::LoadStatus::NoPages:
        why = QCoreApplication::translate("BackgroundProblem", "the file has no pages");
        break;
    case pdf::LoadStatus::BadPage:
        why = QCoreApplication::translate("BackgroundProblem", "page %1 of the file cannot be read")
                  .arg(doc.pdfPageNumber);
        break;
    case pdf::LoadStatus::NoSuchPage:
        why = QCoreApplication::translate("BackgroundProblem", "the file has no page %1")
                  .arg(doc.pdfPageNumber);
        break;
    }
    const QString name =
        doc.GetPathName().isEmpty() ? doc.GetTitle() : QFileInfo(doc.GetPathName()).fileName();
    return QCoreApplication::translate("BackgroundProblem", "The PDF background of %1 could not be read: %2.")
        .arg(name, why);
}
