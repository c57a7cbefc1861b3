#include "LeftDialogBar.h"

#include "EditCtrlRotation.h"
#include "model/StringTable.h"
#include "ui_LeftDialogBar.h"

#include <QApplication>
#include <QEvent>
#include <QRegularExpressionValidator>

namespace {

// Controls whose help text follows the focus; Add, Delete and Font... have
// none and leave the previous text standing.
bool hasFieldHelp(int id)
{
    return (id >= CLeftDialogBar::kStartNumber && id <= CLeftDialogBar::kYPos) ||
           id == CLeftDialogBar::kSuffix || id == CLeftDialogBar::kHeadList ||
           (id >= CLeftDialogBar::kPreface && id <= CLeftDialogBar::kDigits) ||
           (id >= CLeftDialogBar::kSpaceAfterPreface && id <= CLeftDialogBar::kDescending);
}

// Plain line edits that show the rejection mark themselves; the Rotation
// box's edit part does so through CEditCtrlRotation.
bool isMarkableEdit(int id)
{
    return (id >= CLeftDialogBar::kStartNumber && id <= CLeftDialogBar::kYPos) ||
           id == CLeftDialogBar::kSuffix;
}

// The numeric fields hold a few characters; a line edit's own size hint is
// far wider, which would make the docked panel needlessly broad. Their width
// follows the font so that the panel scales with it.
constexpr int kFieldChars = 9;
// The Field Description shows the longest help text without scrolling.
constexpr int kHelpLines = 5;

int fieldWidth(const QLineEdit* field, int chars)
{
    // sizeHint() is 17 average characters plus the frame and text margins.
    const int charWidth = field->fontMetrics().horizontalAdvance(QLatin1Char('x'));
    return field->sizeHint().width() - (17 - chars) * charWidth;
}

QValidator* digitsOnly(QObject* parent)
{
    return new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), parent);
}

} // namespace

CLeftDialogBar::CLeftDialogBar(QWidget* parent) : QWidget(parent), ui_(std::make_unique<Ui::CLeftDialogBar>())
{
    ui_->setupUi(this);

    const QList<QWidget*> withIds = {
        ui_->edit1012,   ui_->edit1013,    ui_->edit1014,    ui_->edit1015,  ui_->edit1016,   ui_->edit1017,
        ui_->edit1018,   ui_->edit1019,    ui_->edit1021,    ui_->list1023,  ui_->combo1026,  ui_->combo1027,
        ui_->combo1028,  ui_->check1030,   ui_->check1031,   ui_->check1032, ui_->radio1033,  ui_->radio1034,
        ui_->button1039, ui_->button32787, ui_->button32792, ui_->group1107, ui_->static1106,
    };
    for (QWidget* w : withIds) {
        const QString name = w->objectName();
        qsizetype digit = 0;
        while (digit < name.size() && !name.at(digit).isDigit())
            ++digit;
        const int id = name.mid(digit).toInt();
        w->setProperty("controlId", id);
        controls_.insert(id, w);
    }

    // The Preface list is kept sorted, whatever is loaded into it.
    const QStringList prefaces = {QStringLiteral("No."), QStringLiteral("A"), QStringLiteral("B"),
                                  QStringLiteral("C"),   QStringLiteral("D"), QStringLiteral("E")};
    ui_->combo1026->addItems(prefaces);
    ui_->combo1026->model()->sort(0);

    // Setting a combo box's text from the program must not pick a list entry.
    ui_->combo1026->setCompleter(nullptr);
    ui_->combo1027->setCompleter(nullptr);
    // The boxes start out with nothing chosen and nothing typed.
    for (QComboBox* box : {ui_->combo1026, ui_->combo1027, ui_->combo1028})
        box->setCurrentIndex(-1);

    // Hiding the field help leaves its area empty instead of moving the rest.
    QSizePolicy keepPlace = ui_->group1107->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    ui_->group1107->setSizePolicy(keepPlace);
    fitToFont();

    connect(qApp, &QApplication::focusChanged, this, &CLeftDialogBar::onFocusChanged);
}

// The focus moves while the window closes in QWidget's destructor, after the
// controls are gone: stop listening first.
CLeftDialogBar::~CLeftDialogBar()
{
    disconnect(qApp, &QApplication::focusChanged, this, &CLeftDialogBar::onFocusChanged);
}

void CLeftDialogBar::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        fitToFont();
}

void CLeftDialogBar::fitToFont()
{
    for (QLineEdit* field : {ui_->edit1012, ui_->edit1013, ui_->edit1014, ui_->edit1015, ui_->edit1016,
                             ui_->edit1017, ui_->edit1018, ui_->edit1019})
        field->setFixedWidth(fieldWidth(field, kFieldChars));
    ui_->static1106->setMinimumHeight(kHelpLines * ui_->static1106->fontMetrics().lineSpacing());
}

void CLeftDialogBar::InitControls()
{
    for (int id : {kStartNumber, kTotalPages, kStep, kCopies, kSkip, kSeed})
        edit(id)->setMaxLength(7);
    edit(kXPos)->setMaxLength(8);
    edit(kYPos)->setMaxLength(8);
    edit(kSuffix)->setMaxLength(32);
    ui_->combo1026->lineEdit()->setMaxLength(32);

    for (int id : {kStartNumber, kTotalPages, kStep, kCopies, kSkip, kSeed})
        edit(id)->setValidator(digitsOnly(edit(id)));

    if (!rotationEdit_) {
        rotationEdit_ = new CEditCtrlRotation(this, ui_->combo1027);
        ui_->combo1027->setLineEdit(rotationEdit_);
        ui_->combo1027->setCompleter(nullptr);
        rotationEdit_->setObjectName(QStringLiteral("rotationEdit"));
        rotationEdit_->setValidator(digitsOnly(rotationEdit_));
        ui_->combo1027->setCurrentIndex(-1);
    }
    rotationEdit_->setMaxLength(3);
    rotationEdit_->UpdateMark();
}

void CLeftDialogBar::ShowFieldHelp(bool show)
{
    ui_->group1107->setVisible(show);
    ui_->static1106->setVisible(show);
}

void CLeftDialogBar::MarkInvalid(int id)
{
    if (invalidFields_.contains(id))
        return;
    invalidFields_.insert(id);
    updateMark(id);
}

void CLeftDialogBar::MarkValid(int id)
{
    if (invalidFields_.remove(id))
        updateMark(id);
}

void CLeftDialogBar::ClearInvalidMarks()
{
    const QSet<int> marked = invalidFields_;
    invalidFields_.clear();
    for (int id : marked)
        updateMark(id);
}

QPalette CLeftDialogBar::InvalidPalette(const QPalette& base) const
{
    QPalette result = base;
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        result.setColor(group, QPalette::Base, invalidColor());
    return result;
}

void CLeftDialogBar::updateMark(int id)
{
    if (id == kRotation) {
        if (rotationEdit_)
            rotationEdit_->UpdateMark();
        return;
    }
    if (!isMarkableEdit(id))
        return;
    QLineEdit* field = edit(id);
    field->setPalette(invalidFields_.contains(id) ? InvalidPalette(field->palette()) : QPalette());
}

QWidget* CLeftDialogBar::control(int id) const
{
    return controls_.value(id);
}

QLineEdit* CLeftDialogBar::edit(int id) const
{
    return qobject_cast<QLineEdit*>(control(id));
}

QComboBox* CLeftDialogBar::combo(int id) const
{
    return qobject_cast<QComboBox*>(control(id));
}

QAbstractButton* CLeftDialogBar::button(int id) const
{
    return qobject_cast<QAbstractButton*>(control(id));
}

QCheckBox* CLeftDialogBar::checkBox(int id) const
{
    return qobject_cast<QCheckBox*>(control(id));
}

QListWidget* CLeftDialogBar::headList() const
{
    return ui_->list1023;
}

QLabel* CLeftDialogBar::helpText() const
{
    return ui_->static1106;
}

void CLeftDialogBar::onFocusChanged(QWidget*, QWidget* now)
{
    // The focus may land on a part of a control (a combo box's edit, the
    // list's viewport): the control is the nearest ancestor with an id.
    if (!now || !isAncestorOf(now))
        return;
    for (QWidget* w = now; w && w != this; w = w->parentWidget()) {
        const QVariant id = w->property("controlId");
        if (!id.isValid())
            continue;
        if (hasFieldHelp(id.toInt()))
            ui_->static1106->setText(LoadString(id.toInt()));
        return;
    }
}
