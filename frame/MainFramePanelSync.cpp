// Keeping the settings panel in step with the document and the selection.
#include "MainFrame.h"

#include "LeftDialogBar.h"
#include "model/Codepage.h"
#include "model/Preferences.h"
#include "view/CadenzoView.h"
#include "view/SelectedHeads.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <vector>

namespace {

// -1 is the selection's "heads differ" marker and shows as an empty field.
QString numberText(std::int32_t value)
{
    return value == -1 ? QString() : QString::number(value);
}

QString positionText(std::int32_t twips, bool absolute, DisplayUnits units)
{
    if (twips == -1)
        return QString();
    double value = TwipsToDisplay(twips, units);
    if (absolute)
        value = std::fabs(value);
    return QString::asprintf(units == DisplayUnits::inches ? "%0.5f" : "%0.3f", value);
}

// 0 and 1 show as a plain check box; -1 (heads differ) as the third state,
// which is offered only while it is true.
void setCheckValue(QCheckBox* box, std::int32_t value)
{
    if (value == -1) {
        box->setTristate(true);
        box->setCheckState(Qt::PartiallyChecked);
    } else {
        // setChecked(true) keeps the third state showing: a mixed box is
        // already "checked" underneath.
        box->setTristate(false);
        box->setCheckState(value != 0 ? Qt::Checked : Qt::Unchecked);
    }
}

QVariant positionData(POSITION position)
{
    return QVariant::fromValue(reinterpret_cast<quintptr>(position));
}

} // namespace

void CMainFrame::FillNumberingSettings()
{
    fillingPanel_ = true;
    for (int id : {CLeftDialogBar::kStartNumber, CLeftDialogBar::kCopies, CLeftDialogBar::kSkip,
                   CLeftDialogBar::kStep, CLeftDialogBar::kTotalPages}) {
        showValueInUse(id);
        panel_->edit(id)->setEnabled(true);
    }
    {
        const QSignalBlocker ascending(panel_->button(CLeftDialogBar::kAscending));
        const QSignalBlocker descending(panel_->button(CLeftDialogBar::kDescending));
        panel_->button(doc_->ascending ? CLeftDialogBar::kAscending : CLeftDialogBar::kDescending)
            ->setChecked(true);
    }
    RebuildHeadList();
    fillingPanel_ = false;

    // Paper and orientation change only through document updates.
    UpdateStatusPanes();
}

void CMainFrame::RebuildHeadList()
{
    QListWidget* list = panel_->headList();
    const QSignalBlocker blocker(list);
    list->clear();
    // A template read from a damaged file may have no heads at all.
    if (doc_->GetHeadCount() == 0)
        return;
    POSITION position = nullptr;
    doc_->GetFirstHead(&position);
    auto* master = new QListWidgetItem(fromCp1252(HeadCaption(0)));
    master->setData(Qt::UserRole, positionData(position));
    list->addItem(master);
    for (int index = 1; index < doc_->GetHeadCount(); ++index) {
        doc_->GetHeadByIndex(index, &position);
        AddHeadListEntry(index, position);
    }
}

int CMainFrame::AddHeadListEntry(int index, POSITION position)
{
    QListWidget* list = panel_->headList();
    const QSignalBlocker blocker(list);
    auto* item = new QListWidgetItem(fromCp1252(HeadCaption(index)));
    item->setData(Qt::UserRole, positionData(position));
    list->addItem(item);
    return list->row(item);
}

void CMainFrame::FillHeadFields()
{
    const CSelectedHeads& selection = view_->GetSelectedHeads();
    if (selection.GetCount() == 0)
        return;

    fillingPanel_ = true;
    panel_->ClearInvalidMarks();
    const bool masterSelected = selection.Contains(0);

    for (int id :
         {CLeftDialogBar::kSeed, CLeftDialogBar::kRotation, CLeftDialogBar::kXPos, CLeftDialogBar::kYPos}) {
        showValueInUse(id);
        panel_->control(id)->setEnabled(id != CLeftDialogBar::kSeed || !masterSelected);
    }

    const QString preface = fromCp1252(selection.GetPreface());
    QComboBox* prefaceBox = panel_->combo(CLeftDialogBar::kPreface);
    {
        const QSignalBlocker blocker(prefaceBox);
        prefaceBox->setEditText(preface);
    }
    prefaceBox->setEnabled(true);

    QCheckBox* spaceAfter = panel_->checkBox(CLeftDialogBar::kSpaceAfterPreface);
    setCheckValue(spaceAfter, selection.GetSpaceAfterPreface());
    spaceAfter->setEnabled(!preface.isEmpty());

    const std::int32_t zeroPad = selection.GetZeroPad();
    QCheckBox* zeroPadBox = panel_->checkBox(CLeftDialogBar::kZeroPad);
    setCheckValue(zeroPadBox, zeroPad);
    zeroPadBox->setEnabled(true);

    QComboBox* digits = panel_->combo(CLeftDialogBar::kDigits);
    if (zeroPad == 1) {
        const QSignalBlocker blocker(digits);
        const std::int32_t common = selection.GetDigits();
        if (common == -1) {
            // One "*" at most: an earlier mixed fill may have left one that
            // the list's drop-down has not removed yet.
            if (digits->count() == 0 || digits->itemText(0) != QLatin1String("*"))
                digits->insertItem(0, QStringLiteral("*"));
            digits->setCurrentIndex(0);
        } else {
            const QString prefix = QString::number(common);
            for (int i = 0; i < digits->count(); ++i) {
                if (digits->itemText(i).startsWith(prefix)) {
                    digits->setCurrentIndex(i);
                    break;
                }
            }
        }
    }
    digits->setEnabled(zeroPad == 1);

    const QString suffix = fromCp1252(selection.GetSuffix());
    QLineEdit* suffixField = panel_->edit(CLeftDialogBar::kSuffix);
    suffixField->setText(suffix);
    suffixField->setEnabled(true);

    QCheckBox* spaceBefore = panel_->checkBox(CLeftDialogBar::kSpaceBeforeSuffix);
    setCheckValue(spaceBefore, selection.GetSpaceBeforeSuffix());
    spaceBefore->setEnabled(!suffix.isEmpty());

    deleteEnabled_ = !masterSelected;
    fontEnabled_ = true;
    fillingPanel_ = false;
    UpdateCommandStates();
}

void CMainFrame::writeHeadPositions()
{
    for (int id : {CLeftDialogBar::kXPos, CLeftDialogBar::kYPos}) {
        QLineEdit* field = panel_->edit(id);
        field->setText(fieldText(id));
        field->setEnabled(true);
    }
}

QString CMainFrame::fieldText(int id) const
{
    if (const std::int32_t* numbering = numberingValue(id))
        return numberText(*numbering);
    const CSelectedHeads& selection = view_->GetSelectedHeads();
    if (selection.GetCount() == 0)
        return QString();
    switch (id) {
    case CLeftDialogBar::kSeed:
        return numberText(selection.GetSeed());
    case CLeftDialogBar::kRotation:
        return numberText(selection.GetRotation());
    case CLeftDialogBar::kXPos:
        return positionText(selection.GetX(), false, prefs_->units);
    case CLeftDialogBar::kYPos:
        return positionText(selection.GetY(), true, prefs_->units);
    }
    return QString();
}

void CMainFrame::showValueInUse(int id)
{
    const bool filling = fillingPanel_;
    fillingPanel_ = true;
    if (id == CLeftDialogBar::kRotation) {
        QComboBox* rotation = panel_->combo(id);
        const QSignalBlocker blocker(rotation);
        rotation->setEditText(fieldText(id));
    } else {
        panel_->edit(id)->setText(fieldText(id));
    }
    panel_->MarkValid(id);
    fillingPanel_ = filling;
}

int CMainFrame::numericFieldOf(const QWidget* widget) const
{
    for (const QWidget* w = widget; w && w != panel_; w = w->parentWidget()) {
        const QVariant id = w->property("controlId");
        if (!id.isValid())
            continue;
        const auto& fields = CLeftDialogBar::kNumericFields;
        return std::find(std::begin(fields), std::end(fields), id.toInt()) != std::end(fields) ? id.toInt()
                                                                                               : 0;
    }
    return 0;
}

void CMainFrame::SettlePanelFields()
{
    const int typing = numericFieldOf(QApplication::focusWidget());
    for (int id : CLeftDialogBar::kNumericFields) {
        if (id == typing || panel_->IsInvalid(id))
            showValueInUse(id);
    }
}

void CMainFrame::ClearHeadFields()
{
    fillingPanel_ = true;
    deleteEnabled_ = false;
    fontEnabled_ = false;
    for (int id :
         {CLeftDialogBar::kSeed, CLeftDialogBar::kXPos, CLeftDialogBar::kYPos, CLeftDialogBar::kSuffix})
        panel_->edit(id)->clear();
    for (int id : {CLeftDialogBar::kPreface, CLeftDialogBar::kRotation}) {
        QComboBox* box = panel_->combo(id);
        const QSignalBlocker blocker(box);
        box->setEditText(QString());
    }
    for (int id :
         {CLeftDialogBar::kSpaceAfterPreface, CLeftDialogBar::kSpaceBeforeSuffix, CLeftDialogBar::kZeroPad})
        setCheckValue(panel_->checkBox(id), 0);
    for (int id :
         {CLeftDialogBar::kSeed, CLeftDialogBar::kXPos, CLeftDialogBar::kYPos, CLeftDialogBar::kPreface,
          CLeftDialogBar::kSuffix, CLeftDialogBar::kRotation, CLeftDialogBar::kSpaceAfterPreface,
          CLeftDialogBar::kSpaceBeforeSuffix, CLeftDialogBar::kZeroPad, CLeftDialogBar::kDigits})
        panel_->control(id)->setEnabled(false);
    fillingPanel_ = false;
    UpdateCommandStates();
}

void CMainFrame::ClearHeadListSelection()
{
    {
        QListWidget* list = panel_->headList();
        const QSignalBlocker blocker(list);
        list->clearSelection();
    }
    ClearHeadFields();
}

void CMainFrame::OnHeadSelectionChanged()
{
    const CSelectedHeads& selection = view_->GetSelectedHeads();
    if (selection.GetCount() == 0) {
        ClearHeadListSelection();
        return;
    }
    QListWidget* list = panel_->headList();
    std::vector<bool> selected(std::size_t(list->count()), false);
    for (const CSelectedHeads::SelectedHead& element : selection.elements()) {
        if (element.index >= 0 && element.index < list->count())
            selected[std::size_t(element.index)] = true;
    }
    {
        const QSignalBlocker blocker(list);
        for (int row = 0; row < list->count(); ++row)
            list->item(row)->setSelected(selected[std::size_t(row)]);
    }
    FillHeadFields();
}

void CMainFrame::OnHeadPositionsChanged()
{
    fillingPanel_ = true;
    if (view_->GetSelectedHeads().GetCount() != 0)
        writeHeadPositions();
    fillingPanel_ = false;
    // The display units may have changed.
    UpdateStatusPanes();
}
