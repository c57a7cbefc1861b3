#pragma once

#include <QDialog>
#include <QFont>
#include <QString>

#include <memory>

namespace Ui {
class CAboutDlg;
}

// The About box: program name, version data, company and two links into the
// user guide (its Getting help section and its start) in white on the
// background picture.
class CAboutDlg : public QDialog
{
    Q_OBJECT

public:
    // guidePath: the user guide's index.html, empty when there is none (the
    // links then say so when clicked).
    explicit CAboutDlg(QWidget* parent = nullptr, const QString& guidePath = QString());
    ~CAboutDlg() override;

    const QString& versionText() const { return versionText_; }
    // The file URLs the two links open; empty without a guide.
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
    QString guidePath_;
    QString versionText_;
    QString mailLink_;
    QString webLink_;
    QFont titleFont_;
    QFont linkFont_;
};

// Online Help: the user guide in the desktop's browser; when there is no guide
// or no browser starts, a message tells where the guide is.
void OpenOnlineHelp();
