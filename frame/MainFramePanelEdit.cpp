// What the settings panel's controls do to the template and the selected heads.
#include "MainFrame.h"

#include "EditCtrlRotation.h"
#include "LeftDialogBar.h"
#include "PanelInput.h"
#include "model/Codepage.h"
#include "model/NumberingLimits.h"
#include "model/Preferences.h"
#include "view/CadenzoView.h"
#include "view/SelectedHeads.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QSignalBlocker>

#include <algorithm>
#include <cstdint>

namespace {

POSITION positionOf(const QListWidgetItem* item)
{
    return reinterpret_cast<POSITION>(item->data(Qt::UserRole).value<quintptr>());
}

// Calls opening() right before a drop-down list opens by mouse or keyboard.
class DropDownWatch : public QObject
{
public:
    DropDownWatch(QComboBox* box, std::function<void()> opening) : QObject(box), opening_(std::move(opening))
    {
        box->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
                opening_();
        } else if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            const bool alt = key->modifiers() & Qt::AltModifier;
            if (key->key() == Qt::Key_F4 || key->key() == Qt::Key_Space ||
                (alt && (key->key() == Qt::Key_Down || key->key() == Qt::Key_Up)))
                opening_();
        }
        return false;
    }

private:
    std::function<void()> opening_;
};

} // namespace

std::int32_t* CMainFrame::numberingValue(int id) const
{
    switch (id) {
    case CLeftDialogBar::kStartNumber:
        return &doc_->startNumber;
    case CLeftDialogBar::kTotalPages:
        return &doc_->totalPages;
    case CLeftDialogBar::kStep:
        return &doc_->step;
    case CLeftDialogBar::kCopies:
        return &doc_->copies;
    case CLeftDialogBar::kSkip:
        return &doc_->skip;
    }
    return nullptr;
}

void CMainFrame::connectPanel()
{
    for (int id : {CLeftDialogBar::kStartNumber, CLeftDialogBar::kTotalPages, CLeftDialogBar::kStep,
                   CLeftDialogBar::kCopies, CLeftDialogBar::kSkip})
        connect(panel_->edit(id), &QLineEdit::textChanged, this, [this, id] { OnNumberingField(id); });
    for (int id : {CLeftDialogBar::kAscending, CLeftDialogBar::kDescending})
        connect(panel_->button(id), &QAbstractButton::clicked, this, &CMainFrame::OnDirection);

    connect(panel_->edit(CLeftDialogBar::kSeed), &QLineEdit::textChanged, this, &CMainFrame::OnSeed);
    QComboBox* rotation = panel_->combo(CLeftDialogBar::kRotation);
    connect(rotation, &QComboBox::editTextChanged, this, &CMainFrame::OnRotationText);
    connect(rotation, QOverload<int>::of(&QComboBox::activated), this, &CMainFrame::OnRotationChosen);
    for (int id : {CLeftDialogBar::kXPos, CLeftDialogBar::kYPos})
        connect(panel_->edit(id), &QLineEdit::textChanged, this, [this, id] { OnPosition(id); });
    // Enter, like leaving the field, shows the value in use: a rejected text
    // goes, and an accepted one is shown as the template holds it.
    for (int id : CLeftDialogBar::kNumericFields) {
        QLineEdit* field = id == CLeftDialogBar::kRotation ? panel_->rotationEdit() : panel_->edit(id);
        connect(field, &QLineEdit::returnPressed, this, [this, id] { showValueInUse(id); });
    }
    // Connected before anyone else's handler, so that these commands (and
    // the save prompts of the ones that replace the template) find the panel
    // showing what they use.
    for (int command :
         {kNew, kOpen, kSave, kSaveAs, kImportPdf, kPrint, kPrintDirect, kPrintPreview, kExportPdf})
        connect(action(command), &QAction::triggered, this, &CMainFrame::SettlePanelFields);

    QComboBox* preface = panel_->combo(CLeftDialogBar::kPreface);
    connect(preface, &QComboBox::editTextChanged, this, &CMainFrame::OnPrefaceText);
    connect(preface, QOverload<int>::of(&QComboBox::activated), this, [this, preface](int row) {
        if (!fillingPanel_ && row >= 0)
            applyAffix(CLeftDialogBar::kPreface, preface->itemText(row));
    });
    connect(panel_->edit(CLeftDialogBar::kSuffix), &QLineEdit::textChanged, this, &CMainFrame::OnSuffixText);

    for (int id :
         {CLeftDialogBar::kSpaceAfterPreface, CLeftDialogBar::kSpaceBeforeSuffix, CLeftDialogBar::kZeroPad})
        connect(panel_->checkBox(id), &QAbstractButton::clicked, this, [this, id] { OnCheckBox(id); });

    QComboBox* digits = panel_->combo(CLeftDialogBar::kDigits);
    connect(digits, QOverload<int>::of(&QComboBox::activated), this, &CMainFrame::OnDigitsChosen);
    new DropDownWatch(digits, [this] { OnDigitsDropDown(); });

    connect(panel_->headList(), &QListWidget::itemSelectionChanged, this, &CMainFrame::OnHeadListSelection);

    connect(action(kAdd), &QAction::triggered, this, &CMainFrame::OnAdd);
    connect(action(kDelete), &QAction::triggered, this, &CMainFrame::OnDelete);
    connect(panel_->button(CLeftDialogBar::kAdd), &QAbstractButton::clicked, this, &CMainFrame::OnAdd);
    connect(panel_->button(CLeftDialogBar::kDelete), &QAbstractButton::clicked, this, &CMainFrame::OnDelete);
    connect(panel_->button(CLeftDialogBar::kFont), &QAbstractButton::clicked, this, &CMainFrame::OnFont);

    // Disconnected in the destructor: the focus moves while the window goes.
    focusWatch_ = connect(qApp, &QApplication::focusChanged, this, &CMainFrame::OnFocusChanged);
}

void CMainFrame::SetFontChooser(FontChooser chooser)
{
    fontChooser_ = std::move(chooser);
}

void CMainFrame::OnNumberingField(int id)
{
    if (fillingPanel_)
        return;
    const std::optional<std::uint32_t> value = panelinput::readUnsigned(panel_->edit(id)->text());
    if (!value || !numberingLimits(id == CLeftDialogBar::kTotalPages).contains(*value)) {
        panel_->MarkInvalid(id);
        return;
    }
    panel_->MarkValid(id);
    *numberingValue(id) = std::int32_t(*value);
    // The editor shows the first number: only the start, and in descending
    // order the total, change what the heads read.
    if (id == CLeftDialogBar::kStartNumber || (id == CLeftDialogBar::kTotalPages && !doc_->ascending))
        view_->RefreshAllHeads(true, true);
    else
        view_->RecordUndoStep();
}

void CMainFrame::OnDirection()
{
    if (fillingPanel_)
        return;
    doc_->ascending = panel_->button(CLeftDialogBar::kAscending)->isChecked();
    view_->RefreshAllHeads(true, true);
}

void CMainFrame::OnSeed()
{
    if (fillingPanel_)
        return;
    const std::optional<std::uint32_t> value =
        panelinput::readUnsigned(panel_->edit(CLeftDialogBar::kSeed)->text());
    if (!value || *value > 9999999u) {
        panel_->MarkInvalid(CLeftDialogBar::kSeed);
        return;
    }
    panel_->MarkValid(CLeftDialogBar::kSeed);
    view_->GetSelectedHeads().SetSeed(std::int32_t(*value));
    view_->RefreshSelectedHeads(true);
}

void CMainFrame::OnRotationText()
{
    if (fillingPanel_)
        return;
    const std::optional<std::uint32_t> value =
        panelinput::readUnsigned(panel_->combo(CLeftDialogBar::kRotation)->currentText());
    if (!value || *value > 359u) {
        panel_->MarkInvalid(CLeftDialogBar::kRotation);
        return;
    }
    panel_->MarkValid(CLeftDialogBar::kRotation);
    view_->GetSelectedHeads().SetRotation(std::int32_t(*value));
    view_->RefreshSelectedHeads(true);
}

void CMainFrame::OnRotationChosen(int row)
{
    if (fillingPanel_ || row < 0)
        return;
    const std::int32_t value =
        panelinput::readLeadingInt(panel_->combo(CLeftDialogBar::kRotation)->itemText(row));
    // Taken as unsigned, so a negative entry is rejected too.
    if (std::uint32_t(value) > 359u) {
        panel_->MarkInvalid(CLeftDialogBar::kRotation);
        return;
    }
    panel_->MarkValid(CLeftDialogBar::kRotation);
    view_->GetSelectedHeads().SetRotation(value);
    view_->RefreshSelectedHeads(true);
}

void CMainFrame::OnPosition(int id)
{
    if (fillingPanel_)
        return;
    const bool isX = id == CLeftDialogBar::kXPos;
    const float typed = panelinput::readLeadingFloat(panel_->edit(id)->text());
    const std::int64_t t = DisplayToTwips(typed, prefs_->units);

    // The widest (or tallest) selected head must still fit on the page.
    const bool portrait = doc_->orientation == 1;
    const std::int32_t extent = isX == portrait ? doc_->paperWidth : doc_->paperHeight;
    const CSelectedHeads& selection = view_->GetSelectedHeads();
    const std::int64_t room =
        std::int64_t(extent) - (isX ? selection.GetMaxWidth() : selection.GetMaxHeight());
    if (t < 0 || t >= room) {
        panel_->MarkInvalid(id);
        return;
    }
    panel_->MarkValid(id);
    if (isX)
        view_->GetSelectedHeads().SetX(std::int32_t(t));
    else
        view_->GetSelectedHeads().SetY(std::int32_t(-t));
    view_->RefreshSelectedHeads(true);
}

// Typing into the Preface box; the frame's own writes are blocked, so this
// needs no fillingPanel test.
void CMainFrame::OnPrefaceText(const QString& text)
{
    applyAffix(CLeftDialogBar::kPreface, text);
}

void CMainFrame::OnSuffixText()
{
    if (fillingPanel_)
        return;
    applyAffix(CLeftDialogBar::kSuffix, panel_->edit(CLeftDialogBar::kSuffix)->text());
}

void CMainFrame::applyAffix(int id, const QString& text)
{
    CSelectedHeads& selection = view_->GetSelectedHeads();
    const bool preface = id == CLeftDialogBar::kPreface;
    if (preface)
        selection.SetPreface(toCp1252(text));
    else
        selection.SetSuffix(toCp1252(text));
    view_->RefreshSelectedHeads(true);

    // A blank only makes sense next to some text.
    QCheckBox* space =
        panel_->checkBox(preface ? CLeftDialogBar::kSpaceAfterPreface : CLeftDialogBar::kSpaceBeforeSuffix);
    if (text.isEmpty()) {
        if (preface)
            selection.SetSpaceAfterPreface(0);
        else
            selection.SetSpaceBeforeSuffix(0);
        space->setTristate(false);
        space->setChecked(false);
    }
    space->setEnabled(!text.isEmpty());
}

// Clicks come only from the user: no fillingPanel test.
void CMainFrame::OnCheckBox(int id)
{
    QCheckBox* box = panel_->checkBox(id);
    // A mixed box has just left its third state; from here it has two.
    const bool checked = box->checkState() == Qt::Checked;
    box->setTristate(false);
    box->setChecked(checked);

    CSelectedHeads& selection = view_->GetSelectedHeads();
    const std::int32_t value = checked ? 1 : 0;
    if (id == CLeftDialogBar::kSpaceAfterPreface)
        selection.SetSpaceAfterPreface(value);
    else if (id == CLeftDialogBar::kSpaceBeforeSuffix)
        selection.SetSpaceBeforeSuffix(value);
    else
        selection.SetZeroPad(value);
    view_->RefreshSelectedHeads(true);

    if (id == CLeftDialogBar::kZeroPad)
        panel_->combo(CLeftDialogBar::kDigits)->setEnabled(checked);
}

void CMainFrame::OnDigitsChosen(int row)
{
    if (fillingPanel_ || row < 0)
        return;
    // No range check: the list offers 1 to 7, and "*" reads as 0.
    const QString text = panel_->combo(CLeftDialogBar::kDigits)->itemText(row);
    view_->GetSelectedHeads().SetDigits(panelinput::readLeadingInt(text));
    view_->RefreshSelectedHeads(true);
}

// "*" stands for differing widths only until the user opens the list.
void CMainFrame::OnDigitsDropDown()
{
    QComboBox* digits = panel_->combo(CLeftDialogBar::kDigits);
    if (digits->count() == 0 || digits->itemText(0) != QLatin1String("*"))
        return;
    const QSignalBlocker blocker(digits);
    if (digits->currentIndex() == 0)
        digits->setCurrentIndex(-1);
    digits->removeItem(0);
}

// The frame's own list writes are blocked: no fillingPanel test.
void CMainFrame::OnHeadListSelection()
{
    clearViewSelection(false);
    QListWidget* list = panel_->headList();
    CSelectedHeads& selection = view_->GetSelectedHeads();
    bool any = false;
    for (int row = 0; row < list->count(); ++row) {
        QListWidgetItem* item = list->item(row);
        if (!item->isSelected())
            continue;
        any = true;
        selection.Add(row, positionOf(item));
        if (HEADING* head = doc_->GetHeadAt(positionOf(item)))
            view_->RefreshHead(*head, false);
    }
    if (any)
        FillHeadFields();
    else
        ClearHeadFields();
}

void CMainFrame::clearViewSelection(bool clearPanelList)
{
    CSelectedHeads& selection = view_->GetSelectedHeads();
    if (selection.GetCount() == 0)
        return;
    if (clearPanelList)
        ClearHeadListSelection();
    selection.MoveFirst();
    do {
        if (HEADING* head = selection.GetCurrent())
            view_->RefreshHead(*head, false);
    } while (selection.MoveNext());
    selection.RemoveAll();
}

void CMainFrame::OnAdd()
{
    clearViewSelection(true);
    int index = 0;
    const POSITION position = doc_->AddNewHead(&view_->measurer(), &index);
    const int row = AddHeadListEntry(index, position);
    {
        QListWidget* list = panel_->headList();
        const QSignalBlocker blocker(list);
        list->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    }
    view_->GetSelectedHeads().Add(index, position);
    view_->RefreshHead(*position, true);
    FillHeadFields();
}

void CMainFrame::OnDelete()
{
    // The master head is never deleted: Delete is off while it is selected.
    CSelectedHeads& selection = view_->GetSelectedHeads();
    if (!deleteEnabled_ || selection.GetCount() == 0 || selection.Contains(0))
        return;
    const int first = selection.GetFirstIndex();
    for (const CSelectedHeads::SelectedHead& element : selection.elements())
        doc_->DeleteHead(element.position);
    selection.RemoveAll();

    const int next = std::max(0, std::min(first - 1, doc_->GetHeadCount() - 1));
    POSITION position = nullptr;
    doc_->GetHeadByIndex(next, &position);
    selection.Add(next, position);
    RebuildHeadList();
    view_->RefreshAllHeads(false, true);
    QMetaObject::invokeMethod(this, &CMainFrame::OnHeadSelectionChanged, Qt::QueuedConnection);
}

void CMainFrame::OnFont()
{
    CSelectedHeads& selection = view_->GetSelectedHeads();
    if (!fontEnabled_ || !fontChooser_ || selection.GetCount() == 0)
        return;
    LOGFONTA common{};
    COLORREF color = 0;
    const bool sameFont = selection.GetFontAndColor(&common, &color);
    if (color == COLORREF(0xFFFFFFFF))
        color = 0; // black when the colours differ
    LOGFONTA chosen{};
    COLORREF chosenColor = 0;
    if (!fontChooser_(sameFont ? &common : nullptr, color, &chosen, &chosenColor))
        return;
    selection.SetFontAndColor(chosen, chosenColor);
    // One undo step for every head the choice reached.
    view_->RefreshSelectedHeads(false);
    view_->RecordUndoStep();
}

// Leaving a field records what was typed there, including changes that a
// handler made after its own undo step (the blanks an emptied preface clears).
void CMainFrame::OnPanelFocusChanged(QWidget* old, QWidget* now)
{
    if (!old || !panel_->isAncestorOf(old))
        return;
    for (QWidget* w = old; w && w != panel_; w = w->parentWidget()) {
        const QVariant id = w->property("controlId");
        if (!id.isValid())
            continue;
        const int control = id.toInt();
        const bool field = (control >= CLeftDialogBar::kStartNumber && control <= CLeftDialogBar::kSuffix) ||
                           (control >= CLeftDialogBar::kPreface && control <= CLeftDialogBar::kDigits);
        // Moving between a box's own parts is no leaving.
        if (field && !(now && (now == w || w->isAncestorOf(now)))) {
            if (numericFieldOf(w) != 0)
                showValueInUse(control);
            view_->RecordUndoStep();
        }
        return;
    }
}
