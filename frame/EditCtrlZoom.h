#pragma once

#include <QLineEdit>

// The zoom level entry inside the toolbar's zoom box. Enter asks for the
// typed level when it lies within the zoom limits and otherwise tells the
// user and restores the last accepted text; Escape gives up the entry.
class CEditCtrlZoom : public QLineEdit
{
    Q_OBJECT

public:
    explicit CEditCtrlZoom(QWidget* parent = nullptr);

    // " 25%", "100%": stored as the accepted text and shown.
    void SetZoomText(int percent);
    const QString& savedText() const { return savedText_; }

    // The typed text read as a level: leading blanks skipped, reading stops at
    // the first non-digit, no digits reads as 0.
    static unsigned ParseZoomText(const QString& text);

signals:
    // Posted, so the level changes after the key has been handled.
    void zoomRequested(int percent);
    void left();

protected:
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;

private:
    void acceptText();
    void cancelText();

    QString savedText_;
};
