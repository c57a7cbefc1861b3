#include "DlgCustomFont.h"

#include "model/Codepage.h"
#include "model/FontFromLogFont.h"
#include "model/Heading.h"
#include "ui_DlgCustomFont.h"

#include <QColorDialog>
#include <QFontDatabase>
#include <QIntValidator>
#include <QPushButton>
#include <QSignalBlocker>

#include <cstdlib>
#include <cstring>

namespace {

constexpr int kItalicRole = Qt::UserRole + 1;
// The sample box shows only the top left of a large choice; drawing it
// larger than this would cost time and show nothing more.
constexpr int kMaxSamplePoints = 144;

// The character sets a font record names, one for each script a head can be
// drawn in. The Latin sets beyond the first (Central European, Turkish,
// Baltic, ...) all map to Latin and are kept as stored while Latin stays.
struct ScriptCharSet
{
    QFontDatabase::WritingSystem system;
    int charSet;
};
constexpr ScriptCharSet kScripts[] = {
    {QFontDatabase::Latin, 0},
    {QFontDatabase::Greek, 161},
    {QFontDatabase::Cyrillic, 204},
    {QFontDatabase::Hebrew, 177},
    {QFontDatabase::Arabic, 178},
    {QFontDatabase::Thai, 222},
    {QFontDatabase::Vietnamese, 163},
    {QFontDatabase::SimplifiedChinese, 134},
    {QFontDatabase::TraditionalChinese, 136},
    {QFontDatabase::Japanese, 128},
    {QFontDatabase::Korean, 129},
    {QFontDatabase::Symbol, 2},
};

int charSetOf(QFontDatabase::WritingSystem system)
{
    for (const ScriptCharSet& s : kScripts) {
        if (s.system == system)
            return s.charSet;
    }
    return -1;
}

QFontDatabase::WritingSystem systemOf(int charSet)
{
    for (const ScriptCharSet& s : kScripts) {
        if (s.charSet == charSet)
            return s.system;
    }
    return QFontDatabase::Latin;
}

// The point size a stored record prints at: its height is taken as points,
// negative for the character height, positive for the cell height.
int pointsOf(const LOGFONTA& font)
{
    if (font.lfHeight == 0)
        return 12; // what a zero height draws at
    if (font.lfHeight < 0)
        return int(qMin<qint64>(-qint64(font.lfHeight), CDlgCustomFont::kMaxPoints + 1));
    return fontFromLogFont(font).pixelSize();
}

struct FontStyle
{
    QString name;
    int weight;
    bool italic;
};

// The style names fonts commonly carry, shown in the user's language; other
// names are shown as the font has them.
[[maybe_unused]] const char* const kCommonStyleNames[] = {
    QT_TRANSLATE_NOOP("CDlgCustomFont", "Regular"), QT_TRANSLATE_NOOP("CDlgCustomFont", "Italic"),
    QT_TRANSLATE_NOOP("CDlgCustomFont", "Bold"),    QT_TRANSLATE_NOOP("CDlgCustomFont", "Bold Italic"),
    QT_TRANSLATE_NOOP("CDlgCustomFont", "Oblique"), QT_TRANSLATE_NOOP("CDlgCustomFont", "Bold Oblique"),
    QT_TRANSLATE_NOOP("CDlgCustomFont", "Book"),    QT_TRANSLATE_NOOP("CDlgCustomFont", "Medium"),
    QT_TRANSLATE_NOOP("CDlgCustomFont", "Light"),   QT_TRANSLATE_NOOP("CDlgCustomFont", "Condensed"),
};

// The styles of an installed family; a family that is not installed here
// still offers the four usual ones. An oblique style is slanted as an
// italic one is (the font record knows only "italic").
QList<FontStyle> stylesOf(const QString& family)
{
    QList<FontStyle> result;
    for (const QString& style : QFontDatabase::styles(family)) {
        const bool slanted = QFontDatabase::font(family, style, 12).style() != QFont::StyleNormal;
        result.append({style, QFontDatabase::weight(family, style), slanted});
    }
    if (result.isEmpty()) {
        result = {{QStringLiteral("Regular"), 400, false},
                  {QStringLiteral("Italic"), 400, true},
                  {QStringLiteral("Bold"), 700, false},
                  {QStringLiteral("Bold Italic"), 700, true}};
    }
    return result;
}

QColor toQColor(COLORREF color)
{
    return QColor(rgbRed(color), rgbGreen(color), rgbBlue(color));
}

} // namespace

CDlgCustomFont::CDlgCustomFont(const LOGFONTA* initial, COLORREF color, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::CDlgCustomFont>()),
      base_(initial ? *initial : defaultHeadFont()), chosenColor_(color)
{
    ui_->setupUi(this);

    for (int size : QFontDatabase::standardSizes())
        ui_->combo1138->addItem(QString::number(size));
    ui_->combo1138->setValidator(new QIntValidator(kMinPoints, kMaxPoints, ui_->combo1138));
    // A typed "1" must stay 1 and not complete to a listed 10.
    ui_->combo1138->setCompleter(nullptr);
    ui_->combo1136->setCompleter(nullptr);

    if (initial) {
        wantedWeight_ = base_.lfWeight > 0 ? int(base_.lfWeight) : 400;
        wantedItalic_ = base_.lfItalic != 0;
        wantedCharSet_ = base_.lfCharSet;
        // A family that is not installed here is shown as stored, so that
        // OK keeps it.
        const void* end = std::memchr(base_.lfFaceName, 0, sizeof base_.lfFaceName);
        const QString face = fromCp1252(
            QByteArray(base_.lfFaceName, end ? int(static_cast<const char*>(end) - base_.lfFaceName) : 32));
        const int index = ui_->combo1136->findText(face, Qt::MatchFixedString);
        if (index >= 0)
            ui_->combo1136->setCurrentIndex(index);
        else
            ui_->combo1136->setEditText(face);
        ui_->combo1138->setCurrentIndex(-1);
        ui_->combo1138->setEditText(QString::number(pointsOf(base_)));
        ui_->check1040->setChecked(base_.lfStrikeOut != 0);
        ui_->check1041->setChecked(base_.lfUnderline != 0);
    } else {
        ui_->combo1136->setCurrentIndex(-1);
        ui_->combo1136->setEditText(QString());
        ui_->combo1138->setCurrentIndex(-1);
        ui_->combo1138->setEditText(QString());
    }
    fillStyles();
    if (!initial)
        ui_->combo1137->setCurrentIndex(-1);
    fillScripts();
    setColor(toQColor(chosenColor_));

    connect(ui_->combo1136, &QComboBox::currentTextChanged, this, [this] {
        fillStyles();
        fillScripts();
        updateSample();
    });
    connect(ui_->combo1137, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0) {
            wantedWeight_ = ui_->combo1137->itemData(index).toInt();
            wantedItalic_ = ui_->combo1137->itemData(index, kItalicRole).toBool();
        }
        updateSample();
    });
    connect(ui_->combo1138, &QComboBox::currentTextChanged, this, &CDlgCustomFont::updateSample);
    connect(ui_->combo1140, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0 && systemOf(wantedCharSet_) != systemOf(ui_->combo1140->itemData(index).toInt()))
            wantedCharSet_ = ui_->combo1140->itemData(index).toInt();
    });
    connect(ui_->check1040, &QCheckBox::toggled, this, &CDlgCustomFont::updateSample);
    connect(ui_->check1041, &QCheckBox::toggled, this, &CDlgCustomFont::updateSample);
    connect(ui_->button1118, &QPushButton::clicked, this, &CDlgCustomFont::chooseColor);
    connect(ui_->buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(ui_->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    updateSample();
}

CDlgCustomFont::~CDlgCustomFont() = default;

QString CDlgCustomFont::family() const
{
    return ui_->combo1136->currentText().trimmed();
}

int CDlgCustomFont::chosenPoints() const
{
    bool ok = false;
    const int points = ui_->combo1138->currentText().trimmed().toInt(&ok);
    return ok && points >= kMinPoints && points <= kMaxPoints ? points : 0;
}

LOGFONTA CDlgCustomFont::GetLogFont() const
{
    LOGFONTA font = base_;
    setFaceName(font, toCp1252(family()).constData());
    if (const int points = chosenPoints())
        font.lfHeight = -points;
    font.lfWidth = 0;
    const int style = ui_->combo1137->currentIndex();
    font.lfWeight = style >= 0 ? ui_->combo1137->itemData(style).toInt() : 400;
    font.lfItalic = style >= 0 && ui_->combo1137->itemData(style, kItalicRole).toBool() ? 1 : 0;
    font.lfStrikeOut = ui_->check1040->isChecked() ? 1 : 0;
    font.lfUnderline = ui_->check1041->isChecked() ? 1 : 0;
    const int script = ui_->combo1140->currentIndex();
    if (script >= 0) {
        const int listed = ui_->combo1140->itemData(script).toInt();
        font.lfCharSet = std::uint8_t(systemOf(listed) == systemOf(wantedCharSet_) ? wantedCharSet_ : listed);
    }
    return font;
}

void CDlgCustomFont::fillStyles()
{
    const QSignalBlocker blocker(ui_->combo1137);
    ui_->combo1137->clear();
    int best = -1;
    int bestDistance = 0;
    for (const FontStyle& style : stylesOf(family())) {
        const int index = ui_->combo1137->count();
        ui_->combo1137->addItem(tr(style.name.toUtf8().constData()), style.weight);
        ui_->combo1137->setItemData(index, style.italic, kItalicRole);
        const int distance =
            std::abs(style.weight - wantedWeight_) + (style.italic != wantedItalic_ ? 10000 : 0);
        if (best < 0 || distance < bestDistance) {
            best = index;
            bestDistance = distance;
        }
    }
    ui_->combo1137->setCurrentIndex(best);
}

void CDlgCustomFont::fillScripts()
{
    const QSignalBlocker blocker(ui_->combo1140);
    ui_->combo1140->clear();
    QList<QFontDatabase::WritingSystem> systems;
    for (QFontDatabase::WritingSystem system : QFontDatabase::writingSystems(family())) {
        if (charSetOf(system) >= 0)
            systems.append(system);
    }
    if (systems.isEmpty())
        systems.append(QFontDatabase::Latin);
    int current = 0;
    for (QFontDatabase::WritingSystem system : systems) {
        if (system == systemOf(wantedCharSet_))
            current = ui_->combo1140->count();
        ui_->combo1140->addItem(QFontDatabase::writingSystemName(system), charSetOf(system));
    }
    ui_->combo1140->setCurrentIndex(current);
}

void CDlgCustomFont::chooseColor()
{
    QColorDialog dialog(toQColor(chosenColor_), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QColor color = dialog.selectedColor();
    chosenColor_ = makeRgb(color.red(), color.green(), color.blue());
    setColor(color);
}

void CDlgCustomFont::setColor(const QColor& color)
{
    QPalette swatch = ui_->swatch1120->palette();
    swatch.setColor(QPalette::Window, color);
    ui_->swatch1120->setPalette(swatch);
    QPalette sample = ui_->sample1092->palette();
    sample.setColor(QPalette::WindowText, color);
    ui_->sample1092->setPalette(sample);
}

void CDlgCustomFont::updateSample()
{
    const int points = chosenPoints();
    QFont font(family().isEmpty() ? ui_->sample1092->font().family() : family());
    font.setWeight(QFont::Weight(qBound(1, wantedWeight_, 1000)));
    font.setItalic(wantedItalic_);
    font.setStrikeOut(ui_->check1040->isChecked());
    font.setUnderline(ui_->check1041->isChecked());
    font.setPointSize(qBound(1, points > 0 ? points : 12, kMaxSamplePoints));
    ui_->sample1092->setFont(font);
    ui_->buttonBox->button(QDialogButtonBox::Ok)->setEnabled(!family().isEmpty() && points > 0);
}

bool CDlgCustomFont::Choose(QWidget* parent, const LOGFONTA* common, COLORREF color, LOGFONTA* chosen,
                            COLORREF* chosenColor)
{
    CDlgCustomFont dialog(common, color, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    *chosen = dialog.GetLogFont();
    *chosenColor = dialog.GetColor();
    return true;
}
