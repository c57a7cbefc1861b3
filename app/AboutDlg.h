#pragma once

#include <QDialog>
#include <QFont>
#include <QString>

#include <memory>

namespace Ui {
class CAboutDlg;
}

// The About box: program name, version data, company and two links (support
// mail and web site) in white on the background picture.
class CAboutDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent = nullptr);
    ~CAboutDlg() override;

    const QString& versionText() const { return versionText_; }
    const QString& mailLink() const { return mailLink_; }
    const QString& webLink() const { return webLink_; }

    // The program's version data, as a version resource would hold it.
    static QString legalCopyright();
    static QString productVersion();
    static QString fileVersion(); // four parts: 1.0.0 gives 1.0.0.0

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::unique_ptr<Ui::CAboutDlg> ui_;
    QString versionText_;
    QString mailLink_;
    QString webLink_;
    QFont titleFont_;
    QFont linkFont_;
};

// Online Help: the product's web page in the desktop's browser; a failure is
// not reported.
void OpenOnlineHelp();
