#include "AboutDlg.h"

#include "ui_AboutDlg.h"

#include "app/CommandLine.h"
#include "app/UserGuide.h"
#include "model/StringTable.h"

#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QUrl>

namespace {

// Loaded on first use and kept for the rest of the run.
const QPixmap& backgroundPicture()
{
    static const QPixmap picture(QStringLiteral(":/about/background.png"));
    return picture;
}

} // namespace

CAboutDlg::CAboutDlg(QWidget* parent, const QString& guidePath)
    : QDialog(parent), ui_(std::make_unique<Ui::CAboutDlg>()), guidePath_(guidePath)
{
    ui_->setupUi(this);
    backgroundPicture();
    setWindowTitle(tr("About Tallimark"));
    setFixedSize(size());

    // Support and the product's pages are both in the user guide that comes
    // with the program; the labels name the sections.
    if (!guidePath_.isEmpty()) {
        mailLink_ = guide::UserGuideUrl(guidePath_, QLatin1String(guide::kGettingHelp)).toString();
        webLink_ = guide::UserGuideUrl(guidePath_).toString();
    }

    // The platform's line breaks are "\r\n"; a label wants "\n" alone.
    versionText_ = LoadString(112);
    for (const QString& value : {legalCopyright(), productVersion(), fileVersion()}) {
        const qsizetype at = versionText_.indexOf(QLatin1String("%s"));
        if (at >= 0)
            versionText_.replace(at, 2, value);
    }
    ui_->versionText->setText(QString(versionText_).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    ui_->mailLink->setText(LoadString(113));
    ui_->webLink->setText(LoadString(114));
    ui_->mailLink->setToolTip(mailLink_);
    ui_->webLink->setToolTip(webLink_);

    linkFont_ = font();
    linkFont_.setUnderline(true);
    ui_->mailLink->setFont(linkFont_);
    ui_->webLink->setFont(linkFont_);
    titleFont_ = font();
    titleFont_.setPixelSize(24);
    titleFont_.setUnderline(false);
    ui_->programName->setFont(titleFont_);

    // White text straight on the picture; the OK button keeps its colours.
    for (QLabel* label : {ui_->programName, ui_->versionText, ui_->companyName, ui_->licenceText,
                          ui_->mailLink, ui_->webLink}) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, Qt::white);
        label->setPalette(palette);
        label->setAutoFillBackground(false);
    }

    ui_->mailLink->installEventFilter(this);
    ui_->webLink->installEventFilter(this);
    connect(ui_->okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui_->aboutQtButton, &QPushButton::clicked, this, [this] { QMessageBox::aboutQt(this); });
}

CAboutDlg::~CAboutDlg() = default;

QString CAboutDlg::legalCopyright()
{
    return QStringLiteral("Copyright (C) 2026 Ombrelle Technology");
}

QString CAboutDlg::productVersion()
{
    return ProgramVersion();
}

QString CAboutDlg::fileVersion()
{
    QStringList parts = ProgramVersion().split(QLatin1Char('.'));
    while (parts.size() < 4)
        parts.append(QStringLiteral("0"));
    return parts.mid(0, 4).join(QLatin1Char('.'));
}

void CAboutDlg::paintEvent(QPaintEvent* event)
{
    // Unscaled from the top-left corner, as far as the picture reaches.
    QPainter painter(this);
    painter.drawPixmap(0, 0, backgroundPicture());
    QDialog::paintEvent(event);
}

bool CAboutDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::MouseButtonRelease || (watched != ui_->mailLink && watched != ui_->webLink))
        return QDialog::eventFilter(watched, event);
    const auto* mouse = static_cast<QMouseEvent*>(event);
    auto* label = static_cast<QLabel*>(watched);
    if (mouse->button() != Qt::LeftButton || !label->rect().contains(mouse->position().toPoint()))
        return QDialog::eventFilter(watched, event);
    guide::OpenUserGuide(guidePath_, label == ui_->mailLink ? QLatin1String(guide::kGettingHelp) : QString());
    return true;
}

void OpenOnlineHelp()
{
    guide::OpenUserGuide(guide::UserGuidePath());
}
