#include "EditCtrlZoom.h"

#include "model/MessageSink.h"
#include "view/ViewGeometry.h"

#include <QFocusEvent>
#include <QKeyEvent>

#include <limits>

CEditCtrlZoom::CEditCtrlZoom(QWidget* parent) : QLineEdit(parent), savedText_(QStringLiteral("100%")) {}

void CEditCtrlZoom::SetZoomText(int percent)
{
    savedText_ = QString::asprintf("%3u%%", unsigned(percent));
    setText(savedText_);
}

unsigned CEditCtrlZoom::ParseZoomText(const QString& text)
{
    int i = 0;
    while (i < text.size() && (text.at(i) == QLatin1Char(' ') || text.at(i) == QLatin1Char('\t')))
        ++i;
    unsigned value = 0;
    for (; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            break;
        const unsigned digit = unsigned(c.unicode() - u'0');
        // Saturate: a huge number is simply out of range.
        if (value > (std::numeric_limits<unsigned>::max() - digit) / 10)
            return std::numeric_limits<unsigned>::max();
        value = value * 10 + digit;
    }
    return value;
}

bool CEditCtrlZoom::event(QEvent* e)
{
    // Enter and Escape belong to the entry, not to shortcuts or the toolbar.
    if (e->type() == QEvent::ShortcutOverride) {
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
            e->accept();
            return true;
        }
    }
    return QLineEdit::event(e);
}

void CEditCtrlZoom::keyPressEvent(QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        acceptText();
        e->accept();
        return;
    case Qt::Key_Escape:
        cancelText();
        e->accept();
        return;
    default:
        QLineEdit::keyPressEvent(e);
    }
}

void CEditCtrlZoom::focusInEvent(QFocusEvent* e)
{
    savedText_ = text();
    QLineEdit::focusInEvent(e);
}

void CEditCtrlZoom::acceptText()
{
    const unsigned level = ParseZoomText(text());
    if (level < unsigned(kZoomMin) || level > unsigned(kZoomMax)) {
        showMessage(tr("Please enter a zoom level between %1 and %2.").arg(kZoomMin).arg(kZoomMax),
                    MsgButtons::Ok, MsgIcon::Information);
        setText(savedText_);
        return;
    }
    const int percent = int(level);
    QMetaObject::invokeMethod(
        this, [this, percent] { emit zoomRequested(percent); }, Qt::QueuedConnection);
}

void CEditCtrlZoom::cancelText()
{
    if (isModified())
        setText(savedText_);
    emit left();
}
