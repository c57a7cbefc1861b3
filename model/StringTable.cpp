#include "StringTable.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>

namespace {

QString unescape(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != u'\\' || i + 1 == text.size()) {
            out += c;
            continue;
        }
        const QChar next = text.at(++i);
        switch (next.unicode()) {
        case 'n':
            out += u'\n';
            break;
        case 'r':
            out += u'\r';
            break;
        case 't':
            out += u'\t';
            break;
        case '\\':
            out += u'\\';
            break;
        default: // not an escape: keep both characters
            out += c;
            out += next;
            break;
        }
    }
    return out;
}

const QHash<int, QString>& table()
{
    static const QHash<int, QString> strings = [] {
        QHash<int, QString> result;
        QFile file(QStringLiteral(":/strings.txt"));
        if (!file.open(QIODevice::ReadOnly))
            return result;
        const QString all = QString::fromUtf8(file.readAll());
        for (QStringView line : QStringView(all).split(u'\n')) {
            if (line.endsWith(u'\r'))
                line.chop(1);
            if (line.isEmpty() || line.startsWith(u'#'))
                continue;
            const qsizetype tab = line.indexOf(u'\t');
            if (tab <= 0)
                continue;
            bool ok = false;
            const int id = line.left(tab).toInt(&ok);
            if (ok)
                result.insert(id, unescape(line.mid(tab + 1)));
        }
        return result;
    }();
    return strings;
}

} // namespace

// The ids stay as they are; the text is the key of its translation, so the
// table itself holds only the English.
QString LoadString(int id)
{
    const auto it = table().constFind(id);
    if (it == table().cend())
        return QString();
    return QCoreApplication::translate("StringTable", it->toUtf8().constData());
}

bool HasString(int id)
{
    return table().contains(id);
}

QString LoadPrompt(int id)
{
    const QString text = LoadString(id);
    return text.left(text.indexOf(u'\n'));
}

QString LoadTooltip(int id)
{
    const QString text = LoadString(id);
    const qsizetype newline = text.indexOf(u'\n');
    return newline < 0 ? QString() : text.mid(newline + 1);
}
