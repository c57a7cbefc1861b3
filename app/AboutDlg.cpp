#include "AboutDlg.h"

#include "ui_AboutDlg.h"

#include "app/CommandLine.h"
#include "model/StringTable.h"

#include <QDesktopServices>
#include <QLabel>
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

void openLink(const QString& link)
{
    QDesktopServices::openUrl(QUrl(link, QUrl::TolerantMode));
}

} // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent), ui_(std::make_unique<Ui::CAboutDlg>())
{
    ui_->setupUi(this);
    backgroundPicture();
    setWindowTitle(QStringLiteral("About Tallimark"));
    setFixedSize(size());

    mailLink_ = LoadString(113);
    webLink_ = LoadString(114);

    // The platform's line breaks are "\r\n"; a label wants "\n" alone.
    versionText_ = LoadString(112);
    for (const QString& value : {legalCopyright(), productVersion(), fileVersion()}) {
        const qsizetype at = versionText_.indexOf(QLatin1String("%s"));
        if (at >= 0)
            versionText_.replace(at, 2, value);
    }
    ui_->versionText->setText(QString(versionText_).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    ui_->mailLink->setText(mailLink_);
    ui_->webLink->setText(webLink_);

    linkFont_ = font();
    linkFont_.setUnderline(true);
    ui_->mailLink->setFont(linkFont_);
    ui_->webLink->setFont(linkFont_);
    titleFont_ = font();
    titleFont_.setPixelSize(24);
    titleFont_.setUnderline(false);
    ui_->programName->setFont(titleFont_);

    // White text straight on the picture; the OK button keeps its colours.
    for (QLabel* label :
         {ui_->programName, ui_->versionText, ui_->companyName, ui_->mailLink, ui_->webLink}) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, Qt::white);
        label->setPalette(palette);
        label->setAutoFillBackground(false);
    }

    ui_->mailLink->installEventFilter(this);
    ui_->webLink->installEventFilter(this);
    connect(ui_->okButton, &QPushButton::clicked, this, &QDialog::accept);
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
    openLink(label == ui_->mailLink ? mailLink_ : webLink_);
    return true;
}

void OpenOnlineHelp()
{
    openLink(LoadString(114));
}
